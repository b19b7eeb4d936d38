// Loads the built plug-in library (QVT.dll beside the test under Windows, libqvt.so beside it
// elsewhere) and looks up its exports by name.
#pragma once

#include <string>

namespace qvt::testing {

class PluginLibrary {
 public:
  PluginLibrary();
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  bool Loaded() const { return handle_ != nullptr; }
  void* Find(const std::string& name) const;

  template <typename Fn>
  Fn Get(const std::string& name) const {
    return reinterpret_cast<Fn>(Find(name));
  }

 private:
  void* handle_ = nullptr;
};

}  // namespace qvt::testing
