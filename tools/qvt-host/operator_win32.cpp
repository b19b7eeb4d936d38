// Watches this process's top-level windows from a thread of its own and presses the button a
// person would: OK or Cancel in the Cabrillo header dialog, OK in the "Output" message box.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "operator.h"

namespace qvt::host {
namespace {

struct Search {
  OperatorAnswer headerAnswer;
};

BOOL CALLBACK Answer(HWND window, LPARAM param) {
  const auto* search = reinterpret_cast<const Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  char className[64] = {};
  char caption[128] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (std::string(className) != "#32770") return TRUE;
  const std::string title = caption;
  if (title == "QVT Contest ") {
    const WPARAM button = search->headerAnswer == OperatorAnswer::kCancel ? IDCANCEL : IDOK;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  } else if (title == "Output") {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
  return TRUE;
}

}  // namespace

struct Operator::Impl {
  std::atomic<bool> stop{false};
  std::thread watcher;
};

Operator::Operator(OperatorAnswer headerAnswer) {
  if (headerAnswer == OperatorAnswer::kNone) return;
  impl_ = std::make_unique<Impl>();
  impl_->watcher = std::thread([impl = impl_.get(), headerAnswer] {
    Search search{headerAnswer};
    while (!impl->stop.load()) {
      EnumWindows(Answer, reinterpret_cast<LPARAM>(&search));
      Sleep(50);
    }
  });
}

Operator::~Operator() {
  if (impl_) {
    impl_->stop = true;
    impl_->watcher.join();
  }
}

}  // namespace qvt::host
