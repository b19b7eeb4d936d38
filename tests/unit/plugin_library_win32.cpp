#include <windows.h>

#include "plugin_library.h"

namespace qvt::testing {

PluginLibrary::PluginLibrary() { handle_ = reinterpret_cast<void*>(LoadLibraryA("QVT.dll")); }

PluginLibrary::~PluginLibrary() {
  if (handle_ != nullptr) FreeLibrary(reinterpret_cast<HMODULE>(handle_));
}

void* PluginLibrary::Find(const std::string& name) const {
  if (handle_ == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name.c_str()));
}

}  // namespace qvt::testing
