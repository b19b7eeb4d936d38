#include "winui/dialog.h"

#include <atomic>
#include <cstring>
#include <string>

namespace qvt::winui {
namespace {

std::atomic<HINSTANCE> g_resourceModule{nullptr};

// The combo-box lists that belong to a dialog template are a resource of this type with the
// template's id: entries of (control id, message, NUL-terminated text), ended by a control id
// of 0. Each entry is sent to its control when the dialog is created, in resource order, so an
// unsorted list keeps the order written in the resource.
constexpr WORD kControlListsType = 240;

LPCSTR ResourceId(int id) {
  return reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(id)));
}

Dialog* FromWindow(HWND window) {
  return reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
}

}  // namespace

void SetResourceModule(HINSTANCE module) { g_resourceModule = module; }

HINSTANCE ResourceModule() {
  HINSTANCE module = g_resourceModule;
  return module != nullptr ? module : GetModuleHandleA(nullptr);
}

Dialog::~Dialog() {
  if (window_ != nullptr && !modal_) {
    SetWindowLongPtrA(window_, DWLP_USER, 0);
    DestroyWindow(window_);
  }
}

INT_PTR Dialog::DoModal(HWND parent) {
  modal_ = true;
  return DialogBoxParamA(ResourceModule(), ResourceId(templateId_), parent, Procedure,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
  if (window_ != nullptr) return true;
  modal_ = false;
  return CreateDialogParamA(ResourceModule(), ResourceId(templateId_), parent, Procedure,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::Destroy() {
  if (window_ != nullptr && !modal_) DestroyWindow(window_);
}

void Dialog::End(INT_PTR result) {
  if (window_ == nullptr) return;
  if (modal_) {
    EndDialog(window_, result);
  } else {
    DestroyWindow(window_);
  }
}

void Dialog::UpdateData(bool save) {
  DataExchange dx(window_, save);
  DoDataExchange(dx);
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  UpdateData(true);
  End(IDOK);
}

void Dialog::OnCancel() { End(IDCANCEL); }

void Dialog::FillComboLists() {
  HINSTANCE module = ResourceModule();
  HRSRC found = FindResourceA(module, ResourceId(templateId_), ResourceId(kControlListsType));
  if (found == nullptr) return;
  HGLOBAL loaded = LoadResource(module, found);  // resource memory: nothing to free
  const auto* data = static_cast<const char*>(LockResource(loaded));
  const DWORD size = SizeofResource(module, found);
  if (data == nullptr) return;
  std::size_t at = 0;
  auto word = [&](WORD& out) {
    if (at + sizeof(WORD) > size) return false;
    std::memcpy(&out, data + at, sizeof(WORD));
    at += sizeof(WORD);
    return true;
  };
  WORD id = 0;
  WORD message = 0;
  while (word(id) && id != 0 && word(message)) {
    const void* end = std::memchr(data + at, '\0', size - at);
    if (end == nullptr) return;  // a damaged list: keep what was filled
    const std::string text(data + at, static_cast<const char*>(end));
    at += text.size() + 1;
    SendDlgItemMessageA(window_, id, message, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
  } else {
    self = FromWindow(window);
  }
  // Messages before WM_INITDIALOG (WM_SETFONT and the like) get the default handling.
  if (self == nullptr) return FALSE;
  try {
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind into the system's code. A modal dialog ends as cancelled; a modeless
    // one closes.
    if (self->modal_) {
      EndDialog(window, IDCANCEL);
    } else {
      DestroyWindow(window);
    }
    return FALSE;
  }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      FillComboLists();
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      // Enter, Escape and the close box arrive as IDOK / IDCANCEL commands without a control.
      if (control == nullptr || code == BN_CLICKED) {
        if (id == IDOK) {
          OnOK();
          return TRUE;
        }
        if (id == IDCANCEL) {
          OnCancel();
          return TRUE;
        }
      }
      return OnCommand(id, code, control) ? TRUE : FALSE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<INT_PTR>(
          OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    case WM_DRAWITEM:
      return OnDrawItem(static_cast<int>(wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))
                 ? TRUE
                 : FALSE;
    case WM_PAINT:
      return OnPaint() ? TRUE : FALSE;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam))) {
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    case WM_SIZE:
      OnSize(static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
      return FALSE;
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window_, DWLP_USER, 0);
      window_ = nullptr;
      return FALSE;
    default: {
      INT_PTR result = FALSE;
      if (OnMessage(message, wParam, lParam, result)) return result;
      return FALSE;
    }
  }
}

}  // namespace qvt::winui
