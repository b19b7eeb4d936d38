// The library's entry. It only remembers its module handle: no window, thread, COM or wait
// work ever runs under the loader lock.
#include <windows.h>

#include "plugin/module.h"
#include "winui/dialog.h"

namespace {
HINSTANCE g_module = nullptr;
}

namespace qvt::plugin {
void* ModuleInstance() { return g_module; }
}  // namespace qvt::plugin

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    qvt::winui::SetResourceModule(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
