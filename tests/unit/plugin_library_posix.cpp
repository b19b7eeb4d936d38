#include <dlfcn.h>

#include <filesystem>

#include "plugin_library.h"

namespace qvt::testing {

PluginLibrary::PluginLibrary() {
  const auto self = std::filesystem::read_symlink("/proc/self/exe");
  handle_ = dlopen((self.parent_path() / "libqvt.so").c_str(), RTLD_NOW | RTLD_LOCAL);
}

PluginLibrary::~PluginLibrary() {
  if (handle_ != nullptr) dlclose(handle_);
}

void* PluginLibrary::Find(const std::string& name) const {
  return handle_ == nullptr ? nullptr : dlsym(handle_, name.c_str());
}

}  // namespace qvt::testing
