// A stand-in for the operator in front of the host: while it runs, it answers the plug-in's
// windows that wait for a person (the Cabrillo header dialog: OK or Cancel; the "Output"
// message box: OK). Off Windows the plug-in opens no window, so it does nothing there.
#pragma once

#include <memory>

namespace qvt::host {

enum class OperatorAnswer { kNone, kOk, kCancel };

class Operator {
 public:
  explicit Operator(OperatorAnswer headerAnswer);
  ~Operator();
  Operator(const Operator&) = delete;
  Operator& operator=(const Operator&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace qvt::host
