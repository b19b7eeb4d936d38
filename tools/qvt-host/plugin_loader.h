// Loads a plug-in library by path and looks its entry points up by name, as the host does:
// LoadLibraryA/GetProcAddress on Windows, dlopen/dlsym elsewhere.
#pragma once

#include <string>

#include "plugin_api.h"

namespace qvt::host {

class PluginLibrary {
 public:
  PluginLibrary() = default;
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // Loads the library and every entry point; false with a message in `error` when the library
  // or one of the names is missing. `decorated` looks the decorated names up instead.
  bool Load(const std::string& path, bool decorated, std::string& error);

  const PluginApi& Api() const { return api_; }

 private:
  void* handle_ = nullptr;
  PluginApi api_;
};

// The plug-in built beside this executable: libqvt.so, or QVT.dll on Windows.
std::string DefaultPluginPath();

}  // namespace qvt::host
