// Data exchange between a dialog's members and its controls, one call per binding. The same
// calls serve both directions: showing the members when the dialog opens and reading the
// controls back when the operator confirms.
#pragma once

#include <windows.h>

#include <string>

namespace qvt::winui {

class DataExchange {
 public:
  DataExchange(HWND dialog, bool save) : dialog_(dialog), save_(save) {}

  // True when the controls are read into the members.
  bool Saving() const { return save_; }

  // A text box: its whole text.
  void Text(int id, std::string& value) const;

  // A combo box. Showing selects the first list entry that begins with the text (letter case
  // ignored); when none does, nothing is selected and the text itself is shown in the edit
  // part. Every entry begins with an empty text, so an empty member selects the first entry
  // in list order (for a sorted list, the first in sorted order). Reading gives the text of
  // the edit part (for a drop-down list without one, the selected entry).
  void ComboText(int id, std::string& value) const;

  // A check box: 0 unchecked, 1 checked, 2 indeterminate.
  void Check(int id, int& value) const;

 private:
  HWND dialog_;
  bool save_;
};

// The window text of any window, whole, however long.
std::string WindowText(HWND window);

// The index of the first entry of a combo box that begins with `prefix` (letter case ignored),
// or -1 when none does.
int FindComboPrefix(HWND combo, const std::string& prefix);

}  // namespace qvt::winui
