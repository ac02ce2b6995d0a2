#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

// Owns one Win32 handle and frees it with Deleter. A deleter may define a static
// owns(handle) for handle kinds whose "none" is not only nullptr.
template <typename Handle, typename Deleter> class unique {
  public:
    unique() = default;
    explicit unique(Handle handle) : handle_(handle) {}
    ~unique() { reset(); }

    unique(const unique&) = delete;
    unique& operator=(const unique&) = delete;
    unique(unique&& other) noexcept : handle_(other.release()) {}
    unique& operator=(unique&& other) noexcept {
        reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return owns(handle_); }

    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (owns(handle_)) Deleter{}(handle_);
        handle_ = handle;
    }

  private:
    static bool owns(Handle handle) {
        if constexpr (requires { Deleter::owns(handle); })
            return Deleter::owns(handle);
        else
            return handle != Handle{};
    }

    Handle handle_{};
};

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
template <typename Object> struct GdiObjectDeleter {
    void operator()(Object object) const { DeleteObject(object); }
};
struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct KernelHandleDeleter {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
    static bool owns(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
};
struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using UniqueIcon = unique<HICON, IconDeleter>;
using UniqueBitmap = unique<HBITMAP, GdiObjectDeleter<HBITMAP>>;
using UniqueFont = unique<HFONT, GdiObjectDeleter<HFONT>>;
using UniquePen = unique<HPEN, GdiObjectDeleter<HPEN>>;
using UniqueBrush = unique<HBRUSH, GdiObjectDeleter<HBRUSH>>;
// For DCs made with CreateDC or CreateCompatibleDC, not for GetDC.
using UniqueDc = unique<HDC, DcDeleter>;
using UniqueHandle = unique<HANDLE, KernelHandleDeleter>;
using UniqueModule = unique<HMODULE, ModuleDeleter>;

// Selects an object into a DC for one scope and puts the previous one back. Declare it after
// the object it selects, so the object is deselected before it is deleted.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace win32
