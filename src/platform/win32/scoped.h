// Owners of Win32 handles: what a step opens, creates, selects or initialises is closed,
// deleted, put back or ended when its owner goes, on every way out of the step. The
// owners are move-only (COM initialisation stays with its thread); an empty one holds
// nothing and does nothing.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace qs::platform {

// One handle, handed to `Close` when the owner goes; null is none.
template <class Handle, class Close>
class Owner {
public:
    Owner() = default;
    explicit Owner(Handle handle) : handle_(handle) {}
    ~Owner() { reset(); }
    Owner(Owner&& other) noexcept : handle_(other.release()) {}
    Owner& operator=(Owner&& other) noexcept {
        reset(other.release());
        return *this;
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_) Close{}(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

// What the owners below do with their handle.
struct CloseKernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct CloseRegistryKey {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct CloseFileSearch {
    void operator()(HANDLE search) const { FindClose(search); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteMemoryDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DestroyWindowHandle {
    void operator()(HWND window) const { DestroyWindow(window); }
};

// A file, process or thread. CreateFileW's INVALID_HANDLE_VALUE is none too.
class KernelHandle : public Owner<HANDLE, CloseKernelHandle> {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : Owner(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    // Closes it now: false when the system reports a failure (a write it could not finish).
    bool close() {
        const HANDLE handle = release();
        return handle != nullptr && CloseHandle(handle) != FALSE;
    }
};

// A search of FindFirstFileW, whose failure is INVALID_HANDLE_VALUE.
class FileSearch : public Owner<HANDLE, CloseFileSearch> {
public:
    explicit FileSearch(HANDLE search) : Owner(search == INVALID_HANDLE_VALUE ? nullptr : search) {}
};

// An open registry key.
using RegistryKey = Owner<HKEY, CloseRegistryKey>;

// A pen, brush, font or bitmap made by this program.
template <class Handle>
using GdiObject = Owner<Handle, DeleteGdiObject>;

// A memory device context like `like` (the screen's when null).
class MemoryDc : public Owner<HDC, DeleteMemoryDc> {
public:
    MemoryDc() = default;
    explicit MemoryDc(HDC like) : Owner(CreateCompatibleDC(like)) {}
};

// A window that no object of the toolkit's wraps (a tooltip, a hidden owner), destroyed
// when the owner goes; made and destroyed on the same thread.
using OwnedWindow = Owner<HWND, DestroyWindowHandle>;

// The device context of a window (of the screen when null), released when the owner goes.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(WindowDc&& other) noexcept : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        std::swap(window_, other.window_); // the other releases what this held
        std::swap(dc_, other.dc_);
        return *this;
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context for the life of the owner; the object it
// replaced is selected again when the owner goes.
class SelectedObject {
public:
    SelectedObject() = default;
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() { restore(); }
    SelectedObject(SelectedObject&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), old_(std::exchange(other.old_, nullptr)) {}
    SelectedObject& operator=(SelectedObject&& other) noexcept {
        if (this != &other) {
            restore();
            dc_ = std::exchange(other.dc_, nullptr);
            old_ = std::exchange(other.old_, nullptr);
        }
        return *this;
    }

private:
    void restore() {
        if (old_) SelectObject(dc_, old_);
        old_ = nullptr;
    }
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// COM on this thread for the life of the owner, ended only when this call succeeded:
// S_FALSE too (COM was up already, and the call still counts), but not RPC_E_CHANGED_MODE
// (COM is up in the other model, which the thread keeps). Neither copied nor moved: it
// belongs to its thread.
class ComInit {
public:
    explicit ComInit(DWORD model) : initialized_(SUCCEEDED(CoInitializeEx(nullptr, model))) {}
    ~ComInit() {
        if (initialized_) CoUninitialize();
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;

private:
    bool initialized_;
};

// A COM interface pointer, released when the owner goes.
template <class Interface>
class Com {
public:
    Com() = default;
    ~Com() { reset(); }
    Com(Com&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    Com& operator=(Com&& other) noexcept {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    Interface* get() const { return p_; }
    Interface* operator->() const { return p_; }
    // Where a call that hands out an interface puts it; what was held goes first.
    Interface** out() {
        reset();
        return &p_;
    }
    explicit operator bool() const { return p_ != nullptr; }
    void reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }

private:
    Interface* p_ = nullptr;
};

} // namespace qs::platform
