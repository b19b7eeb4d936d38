#include "plugin_loader.h"

#include <cstring>
#include <filesystem>
#include <iterator>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace qvt::host {
namespace {

#if defined(_WIN32)
constexpr const char* kPluginFileName = "QVT.dll";
#else
constexpr const char* kPluginFileName = "libqvt.so";
#endif

// Converts a looked-up symbol to the entry point's type. Function and object pointers have the
// same size on both targets; memcpy keeps the conversion free of casts the compiler warns on.
template <typename Function, typename Symbol>
void Assign(Function& target, Symbol symbol) {
  static_assert(sizeof(Function) == sizeof(Symbol));
  std::memcpy(&target, &symbol, sizeof target);
}

}  // namespace

PluginLibrary::~PluginLibrary() {
  if (handle_ == nullptr) return;
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle_));
#else
  dlclose(handle_);
#endif
}

bool PluginLibrary::Load(const std::string& path, bool decorated, std::string& error) {
#if defined(_WIN32)
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) {
    error = "cannot load '" + path + "' (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  handle_ = module;
  const auto lookUp = [&](const char* name) { return GetProcAddress(module, name); };
#else
  if (decorated) {
    error = "the decorated export names exist only in the Windows plug-in (QVT.dll); "
            "the Linux library exports the plain names only";
    return false;
  }
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* why = dlerror();
    error = "cannot load '" + path + "': " + (why != nullptr ? why : "unknown error");
    return false;
  }
  const auto lookUp = [&](const char* name) { return dlsym(handle_, name); };
#endif
  const auto find = [&](std::size_t index, auto& target) {
    const ExportName& names = kExportNames[index];
    const char* name = decorated ? names.decorated : names.plain;
    const auto symbol = lookUp(name);
    if (symbol == nullptr) {
      if (!error.empty()) error += "\n";
      error += "'" + path + "' has no export '" + name + "'";
      return;
    }
    Assign(target, symbol);
  };
  error.clear();
  find(0, api_.addData);
  find(1, api_.removeData);
  find(2, api_.resetStats);
  find(3, api_.checkCall);
  find(4, api_.isValidExchange);
  find(5, api_.getExchangeCount);
  find(6, api_.getNumberOfSets);
  find(7, api_.getResult);
  find(8, api_.getSetName);
  find(9, api_.setupSet);
  find(10, api_.setVersion);
  static_assert(std::size(kExportNames) == 11);
  return error.empty();
}

std::string DefaultPluginPath() {
  std::filesystem::path self;
#if defined(_WIN32)
  char buffer[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  if (length > 0 && length < sizeof buffer) self = std::string(buffer, length);
#else
  std::error_code ignored;
  self = std::filesystem::read_symlink("/proc/self/exe", ignored);
#endif
  if (self.empty()) return kPluginFileName;
  return (self.parent_path() / kPluginFileName).string();
}

}  // namespace qvt::host
