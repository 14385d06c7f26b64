// Owners for every Win32 handle the control touches: GDI objects, device
// contexts, windows, hooks, kernel handles, registry keys, modules and
// locked global memory (the COM ones are in activex/com_owners.h). Nothing
// in the Windows layers deletes, releases or frees by hand; a leak is then a
// missing owner, which review can see.
#pragma once

#include <windows.h>

#include <utility>

namespace brixel::win {

// One owner template per handle kind; the close function is a template
// parameter so the owner is a single pointer wide.
template <typename Handle, auto Close, Handle Invalid = Handle{}>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) noexcept : handle_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Invalid; }
    Handle release() noexcept { return std::exchange(handle_, Invalid); }
    void reset(Handle h = Invalid) noexcept {
        Handle old = std::exchange(handle_, h);
        if (old != Invalid) Close(old);
    }
    // For out-parameters: releases the current value first.
    Handle* put() noexcept {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Invalid;
};

// How a GDI owner deletes its object. Memory DCs go to DeleteDC and every
// other GDI object to DeleteObject, so one owner family serves both; the
// drawing backend's leak-counting policy (gdi_objects.h) is the other one.
struct PlainGdi {
    static void Delete(HGDIOBJ object) noexcept { ::DeleteObject(object); }
    static void Delete(HDC memory_dc) noexcept { ::DeleteDC(memory_dc); }
};

namespace detail {
// Named, not lambdas: owners are members of classes declared in headers.
template <typename Policy, typename T>
inline void DeleteGdiWith(T h) noexcept {
    Policy::Delete(h);
}
inline void CloseKernelHandle(HANDLE h) noexcept { ::CloseHandle(h); }
inline void CloseRegistryKey(HKEY h) noexcept { ::RegCloseKey(h); }
inline void UnloadLibrary(HMODULE h) noexcept { ::FreeLibrary(h); }
inline void DestroyWindowHandle(HWND h) noexcept { ::DestroyWindow(h); }
inline void DestroyIconHandle(HICON h) noexcept { ::DestroyIcon(h); }
inline void DestroyMenuHandle(HMENU h) noexcept { ::DestroyMenu(h); }
inline void DestroyAccelerators(HACCEL h) noexcept { ::DestroyAcceleratorTable(h); }
inline void RemoveHook(HHOOK h) noexcept { ::UnhookWindowsHookEx(h); }
inline void FreeLocalMemory(HLOCAL h) noexcept { ::LocalFree(h); }
inline void FreeGlobalMemory(HGLOBAL h) noexcept { ::GlobalFree(h); }
}  // namespace detail

template <typename T, typename Policy = PlainGdi>
using UniqueGdi = UniqueHandle<T, detail::DeleteGdiWith<Policy, T>>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueRegion = UniqueGdi<HRGN>;
using UniqueMemoryDc = UniqueGdi<HDC>;
using UniqueKernelHandle = UniqueHandle<HANDLE, detail::CloseKernelHandle>;
using UniqueRegKey = UniqueHandle<HKEY, detail::CloseRegistryKey>;
using UniqueModule = UniqueHandle<HMODULE, detail::UnloadLibrary>;
using UniqueWindow = UniqueHandle<HWND, detail::DestroyWindowHandle>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
using UniqueMenu = UniqueHandle<HMENU, detail::DestroyMenuHandle>;
using UniqueAccelerators = UniqueHandle<HACCEL, detail::DestroyAccelerators>;
using UniqueHook = UniqueHandle<HHOOK, detail::RemoveHook>;
// Buffers the system allocates for the caller (FormatMessage and friends).
using UniqueLocalMemory = UniqueHandle<HLOCAL, detail::FreeLocalMemory>;
using UniqueGlobalMemory = UniqueHandle<HGLOBAL, detail::FreeGlobalMemory>;

// A DC obtained with GetDC: released to its window, never deleted.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
    }
    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint as one scope.
class PaintScope {
public:
    explicit PaintScope(HWND window) noexcept : window_(window) { ::BeginPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { ::EndPaint(window_, &ps_); }
    HDC dc() const noexcept { return ps_.hdc; }
    const RECT& area() const noexcept { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
};

// Selects an object into a DC and puts the previous one back on scope exit,
// so every drawing routine leaves the DC as it found it.
class SelectScope {
public:
    SelectScope(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;
    ~SelectScope() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GlobalLock/GlobalUnlock as one scope: the bytes are readable while it lives.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) noexcept : memory_(memory), data_(::GlobalLock(memory)) {}
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    ~GlobalLockScope() {
        if (data_ != nullptr) ::GlobalUnlock(memory_);
    }
    // Null when the memory could not be locked.
    const void* data() const noexcept { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace brixel::win
