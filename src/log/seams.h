// What the contest core asks of its surroundings, so that it never calls the window system
// itself. Windows builds plug in the real window and message-box code, the Linux build plugs
// in console versions, and tests plug in fakes that record the calls.
#pragma once

#include <string_view>

namespace qvt {

struct CabrilloHeaderFields;

class Seams {
 public:
  virtual ~Seams() = default;

  // A message box with an OK button that waits until the operator closes it. An empty caption
  // means the system's default caption.
  enum class Icon { kNone, kInformation };
  virtual void ShowMessage(std::string_view text, std::string_view caption, Icon icon) = 0;

  // Runs the Cabrillo header dialog modally on the calling thread. Returns true when the
  // operator pressed OK; `fields` then holds what the dialog shows.
  virtual bool EditCabrilloHeader(CabrilloHeaderFields& fields) = 0;

  // The setup window: whether one is open, posting it a refresh, and starting its thread.
  virtual bool SetupWindowOpen() = 0;
  virtual void PostRefresh() = 0;
  virtual void StartSetupThread() = 0;

  // Clears the marks of the call-area window when it is open.
  virtual void ResetCallAreas() = 0;
};

// Seams that show nothing: messages go to standard error, the header is confirmed as loaded,
// and there is never a setup window.
class ConsoleSeams : public Seams {
 public:
  void ShowMessage(std::string_view text, std::string_view caption, Icon icon) override;
  bool EditCabrilloHeader(CabrilloHeaderFields& fields) override;
  bool SetupWindowOpen() override { return false; }
  void PostRefresh() override {}
  void StartSetupThread() override {}
  void ResetCallAreas() override {}
};

}  // namespace qvt
