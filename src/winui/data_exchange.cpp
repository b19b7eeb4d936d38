#include "winui/data_exchange.h"

#include <vector>

namespace qvt::winui {
namespace {

// Letters upper-cased the way the system does for the ANSI code page, so that the comparison
// ignores case for the host's 8-bit texts too, not only for ASCII.
std::string Upper(std::string text) {
  if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string ComboEntry(HWND combo, int index) {
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data());
}

}  // namespace

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

int FindComboPrefix(HWND combo, const std::string& prefix) {
  const std::string wanted = Upper(prefix);
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    const std::string entry = Upper(ComboEntry(combo, i));
    if (entry.size() >= wanted.size() && entry.compare(0, wanted.size(), wanted) == 0) return i;
  }
  return -1;
}

void DataExchange::Text(int id, std::string& value) const {
  HWND control = GetDlgItem(dialog_, id);
  if (control == nullptr) return;
  if (save_) {
    value = WindowText(control);
  } else {
    SetWindowTextA(control, value.c_str());
  }
}

void DataExchange::ComboText(int id, std::string& value) const {
  HWND combo = GetDlgItem(dialog_, id);
  if (combo == nullptr) return;
  if (save_) {
    value = WindowText(combo);
    return;
  }
  const int index = FindComboPrefix(combo, value);
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (index < 0) SetWindowTextA(combo, value.c_str());
}

void DataExchange::Check(int id, int& value) const {
  HWND box = GetDlgItem(dialog_, id);
  if (box == nullptr) return;
  if (save_) {
    value = static_cast<int>(SendMessageA(box, BM_GETCHECK, 0, 0));
  } else {
    SendMessageA(box, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

}  // namespace qvt::winui
