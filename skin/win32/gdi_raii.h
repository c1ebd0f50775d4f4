// Owners for the GDI objects and device contexts the skin uses, so that every paint path releases
// what it took, early returns included.
#pragma once
#include <windows.h>

namespace skin {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using RegionHandle = GdiObject<HRGN>;
using BitmapHandle = GdiObject<HBITMAP>;

// A memory DC with one bitmap selected for its whole life.
class MemoryDC {
 public:
  explicit MemoryDC(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ != nullptr && bitmap != nullptr) old_ = SelectObject(dc_, bitmap);
  }
  ~MemoryDC() {
    if (dc_ == nullptr) return;
    if (old_ != nullptr) SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// The drawing surface of a control: clipped to the control itself (and its window region), never to
// its parent as GetDC would for classes with CS_PARENTDC such as BUTTON.
class ControlDC {
 public:
  explicit ControlDC(HWND window)
      : window_(window), dc_(GetDCEx(window, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS)) {}
  ~ControlDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  ControlDC(const ControlDC&) = delete;
  ControlDC& operator=(const ControlDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectionGuard() {
    if (old_ != nullptr) SelectObject(dc_, old_);
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace skin
