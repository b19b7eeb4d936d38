// RAII owners for GDI objects and device contexts. Every brush, pen, font and bitmap the
// plug-in's windows create, and every DC they get or create, lives in one of these, so that an
// early return or an exception can never leak one.
#pragma once

#include <windows.h>

#include <utility>

namespace qvt::winui {

// Owns one GDI object (brush, pen, font, bitmap, region) and deletes it.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC for the guard's lifetime and puts the previous one back, so that
// the object can be deleted afterwards (a selected object cannot).
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectGuard() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's client-area DC (GetDC) or whole-window DC (GetWindowDC), released on destruction.
class WindowDc {
 public:
  enum class Area { kClient, kWindow };
  explicit WindowDc(HWND window, Area area = Area::kClient)
      : window_(window), dc_(area == Area::kClient ? GetDC(window) : GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// The DC of a WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC Get() const { return dc_; }
  const RECT& Dirty() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// A memory DC compatible with another DC (CreateCompatibleDC), deleted on destruction.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

}  // namespace qvt::winui
