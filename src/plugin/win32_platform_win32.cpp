// The Windows seams: real message boxes owned by the host's main window, the header dialog.
#include <windows.h>

#include <string>

#include "plugin/plugin_instance.h"
#include "reports/cabrillo_dialog.h"

namespace qvt::plugin {
namespace {

struct WindowSearch {
  DWORD process = 0;
  HWND found = nullptr;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && IsWindowVisible(window) &&
      GetWindow(window, GW_OWNER) == nullptr) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The application's main window: the active window of this thread, else the first visible
// unowned top-level window of the process; none when the host shows no window.
HWND ApplicationWindow() {
  if (HWND active = GetActiveWindow()) return active;
  WindowSearch search;
  search.process = GetCurrentProcessId();
  EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

class Win32Seams : public Seams {
 public:
  void ShowMessage(std::string_view text, std::string_view caption, Icon icon) override {
    const std::string t(text);
    const std::string c(caption);
    UINT type = MB_OK;
    if (icon == Icon::kInformation) type |= MB_ICONINFORMATION;
    MessageBoxA(ApplicationWindow(), t.c_str(), c.empty() ? nullptr : c.c_str(), type);
  }
  bool EditCabrilloHeader(CabrilloHeaderFields& fields) override {
    return RunCabrilloHeaderDialog(fields);
  }
  // The setup window and its thread come with the windows; until then there is none.
  bool SetupWindowOpen() override { return false; }
  void PostRefresh() override {}
  void StartSetupThread() override {}
  void ResetCallAreas() override {}
};

}  // namespace

std::unique_ptr<Seams> MakePlatformSeams() { return std::make_unique<Win32Seams>(); }

}  // namespace qvt::plugin
