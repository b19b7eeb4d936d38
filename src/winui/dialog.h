// A dialog window built from a dialog template of the plug-in's resources, modal or modeless,
// with its messages dispatched to virtual handlers. The object is handed to the dialog
// procedure through the creation parameter and kept in the window's DWLP_USER slot.
//
// Every handler has a default; a derived window overrides only what it needs. No exception
// leaves the dialog procedure: one that escapes a handler ends a modal dialog with IDCANCEL
// (so nothing the operator half-entered is taken) and closes a modeless one.
#pragma once

#include <windows.h>

#include "winui/data_exchange.h"

namespace qvt::winui {

// The module whose resources the dialogs load (the plug-in library). DllMain sets it; when it
// was never set, the program's own module is used.
void SetResourceModule(HINSTANCE module);
HINSTANCE ResourceModule();

class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally on the calling thread and returns the code it ended with (IDOK,
  // IDCANCEL, ...), or -1 when it could not be created.
  INT_PTR DoModal(HWND parent = nullptr);

  // Creates the dialog modeless; the calling thread's message loop serves it. The window is
  // destroyed by Destroy(), by WM_CLOSE's default handling, or with this object.
  bool Create(HWND parent = nullptr);
  void Destroy();

  HWND Handle() const { return window_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  bool IsModal() const { return modal_; }

  // Ends a modal dialog with `result`; a modeless one is destroyed.
  void End(INT_PTR result);

  // Moves data between the members and the controls (DoDataExchange): `save` reads the
  // controls into the members, otherwise the members are shown.
  void UpdateData(bool save);

 protected:
  // The bindings of members to controls; none by default.
  virtual void DoDataExchange(DataExchange& /*dx*/) {}

  // WM_INITDIALOG, after the combo lists of the template are filled. Default: shows the
  // members. Return true to let the system set the focus.
  virtual bool OnInitDialog();
  // The OK button (or Enter): default reads the controls into the members and ends with IDOK.
  virtual void OnOK();
  // The Cancel button, Escape or the close box: default ends with IDCANCEL without reading.
  virtual void OnCancel();
  // WM_COMMAND other than IDOK and IDCANCEL. Return true when handled.
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  // WM_CTLCOLOR*: a brush for the control's background, or null for the default colours.
  virtual HBRUSH OnCtlColor(HDC /*dc*/, HWND /*control*/, UINT /*message*/) { return nullptr; }
  // WM_DRAWITEM for owner-drawn controls. Return true when drawn.
  virtual bool OnDrawItem(int /*id*/, const DRAWITEMSTRUCT& /*item*/) { return false; }
  // WM_PAINT of the dialog itself. Return true when painted (then a PaintDc was used).
  virtual bool OnPaint() { return false; }
  // WM_SETCURSOR. Return true when the cursor was set.
  virtual bool OnSetCursor(HWND /*over*/, int /*hitTest*/, int /*mouseMessage*/) { return false; }
  // WM_SIZE.
  virtual void OnSize(int /*type*/, int /*width*/, int /*height*/) {}
  // WM_DESTROY, while the window still exists.
  virtual void OnDestroy() {}
  // Any other message. Return true and set `result` when handled.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                         INT_PTR& /*result*/) {
    return false;
  }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void FillComboLists();

  int templateId_;
  HWND window_ = nullptr;
  bool modal_ = false;
};

}  // namespace qvt::winui
