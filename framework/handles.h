// Move-only owners of Win32 handles and GDI objects, and the scopes that pair begin/end calls.
#pragma once

#include <cstddef>
#include <utility>

#include "framework/win32.h"

namespace kestrel {

// Owns a GDI object (font, brush, pen, bitmap, region) and deletes it.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
        handle_ = handle;
    }
    Handle Release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;
using PenObject = GdiObject<HPEN>;
using BitmapObject = GdiObject<HBITMAP>;

// Selects an object into a DC and puts the previous one back when it ends, before the object
// itself can be deleted.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (old_ != nullptr && old_ != HGDI_ERROR) {
            SelectObject(dc_, old_);
        }
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A DC borrowed from a window with GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(hwnd_, dc_);
        }
    }
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A DC this program created (memory DC, information context), deleted with DeleteDC.
class OwnedDc {
public:
    explicit OwnedDc(HDC dc = nullptr) : dc_(dc) {}
    OwnedDc(const OwnedDc&) = delete;
    OwnedDc& operator=(const OwnedDc&) = delete;
    OwnedDc(OwnedDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    OwnedDc& operator=(OwnedDc&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.dc_, nullptr));
        }
        return *this;
    }
    ~OwnedDc() { Reset(); }
    HDC Get() const { return dc_; }
    void Reset(HDC dc = nullptr) {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
        dc_ = dc;
    }

private:
    HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(hwnd_, &paint_); }
    HDC Dc() const { return dc_; }
    const RECT& Damaged() const { return paint_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A kernel handle closed with CloseHandle; "empty" is INVALID_HANDLE_VALUE.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, INVALID_HANDLE_VALUE));
        }
        return *this;
    }
    ~FileHandle() { Reset(); }
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    void Reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (Valid()) {
            CloseHandle(handle_);
        }
        handle_ = handle;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Owns a movable global memory block until it is freed or handed over (to the clipboard, which
// then owns it); Lock gives its bytes for as long as the returned scope lives.
class GlobalMemory {
public:
    GlobalMemory() = default;
    explicit GlobalMemory(std::size_t size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    ~GlobalMemory() {
        if (memory_ != nullptr) {
            GlobalFree(memory_);
        }
    }

    HGLOBAL Get() const { return memory_; }
    explicit operator bool() const { return memory_ != nullptr; }
    // The block is someone else's now.
    HGLOBAL Release() { return std::exchange(memory_, nullptr); }

private:
    HGLOBAL memory_ = nullptr;
};

// A global memory block locked for as long as this lives; Data() is null when it could not be
// (or for a null block). The block itself is not owned.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory)
        : memory_(memory), data_(memory != nullptr ? GlobalLock(memory) : nullptr) {}
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    ~GlobalLockScope() {
        if (data_ != nullptr) {
            GlobalUnlock(memory_);
        }
    }
    char* Data() const { return static_cast<char*>(data_); }
    // Bytes in the block, which may be more than the text it holds.
    std::size_t Size() const { return GlobalSize(memory_); }

private:
    HGLOBAL memory_;
    void* data_;
};

// The program's own module: resources and window classes are looked up there.
inline HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

} // namespace kestrel
