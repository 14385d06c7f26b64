// Owners for every Win32 resource the control touches: GDI objects, device
// contexts, COM pointers, BSTRs and VARIANTs. Nothing in the Windows layers
// deletes, releases or frees by hand; a leak is then a missing owner, which
// review can see.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <unknwn.h>

#include <cstring>
#include <string_view>
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

namespace detail {
inline void DeleteGdiObject(HGDIOBJ h) noexcept { ::DeleteObject(h); }
inline void DeleteMemoryDc(HDC h) noexcept { ::DeleteDC(h); }
inline void CloseKernelHandle(HANDLE h) noexcept { ::CloseHandle(h); }
inline void CloseRegistryKey(HKEY h) noexcept { ::RegCloseKey(h); }
inline void UnloadLibrary(HMODULE h) noexcept { ::FreeLibrary(h); }
inline void DestroyWindowHandle(HWND h) noexcept { ::DestroyWindow(h); }
inline void DestroyIconHandle(HICON h) noexcept { ::DestroyIcon(h); }
inline void DestroyMenuHandle(HMENU h) noexcept { ::DestroyMenu(h); }
inline void DestroyAccelerators(HACCEL h) noexcept { ::DestroyAcceleratorTable(h); }
// Named, not a lambda: owners are members of classes declared in headers.
template <typename T>
inline void DeleteGdiOf(T h) noexcept {
    ::DeleteObject(h);
}
}  // namespace detail

template <typename T>
using UniqueGdi = UniqueHandle<T, detail::DeleteGdiOf<T>>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueRegion = UniqueGdi<HRGN>;
using UniqueMemoryDc = UniqueHandle<HDC, detail::DeleteMemoryDc>;
using UniqueKernelHandle = UniqueHandle<HANDLE, detail::CloseKernelHandle>;
using UniqueRegKey = UniqueHandle<HKEY, detail::CloseRegistryKey>;
using UniqueModule = UniqueHandle<HMODULE, detail::UnloadLibrary>;
using UniqueWindow = UniqueHandle<HWND, detail::DestroyWindowHandle>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
using UniqueMenu = UniqueHandle<HMENU, detail::DestroyMenuHandle>;
using UniqueAccelerators = UniqueHandle<HACCEL, detail::DestroyAccelerators>;

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

// A counted COM reference. `put()` releases the old pointer before an
// out-parameter call fills it.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Takes a new reference.
    explicit ComPtr(T* p) noexcept : p_(p) {
        if (p_) p_->AddRef();
    }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    // Adopts a reference the caller already owns.
    static ComPtr Attach(T* p) noexcept {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    T* detach() noexcept { return std::exchange(p_, nullptr); }
    void reset() noexcept {
        if (T* old = std::exchange(p_, nullptr)) old->Release();
    }
    T** put() noexcept {
        reset();
        return &p_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

    template <typename U>
    HRESULT As(ComPtr<U>* out) const noexcept {
        if (!p_) return E_POINTER;
        return p_->QueryInterface(__uuidof(U), out->put_void());
    }
    HRESULT As(REFIID iid, void** out) const noexcept {
        if (!p_) return E_POINTER;
        return p_->QueryInterface(iid, out);
    }

private:
    T* p_ = nullptr;
};

class UniqueBstr {
public:
    UniqueBstr() = default;
    explicit UniqueBstr(std::wstring_view text)
        : b_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    static UniqueBstr Attach(BSTR b) noexcept {
        UniqueBstr result;
        result.b_ = b;
        return result;
    }
    UniqueBstr(const UniqueBstr&) = delete;
    UniqueBstr& operator=(const UniqueBstr&) = delete;
    UniqueBstr(UniqueBstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
    UniqueBstr& operator=(UniqueBstr&& other) noexcept {
        if (this != &other) {
            reset();
            b_ = std::exchange(other.b_, nullptr);
        }
        return *this;
    }
    ~UniqueBstr() { reset(); }

    BSTR get() const noexcept { return b_; }
    BSTR detach() noexcept { return std::exchange(b_, nullptr); }
    void reset() noexcept { ::SysFreeString(std::exchange(b_, nullptr)); }
    BSTR* put() noexcept {
        reset();
        return &b_;
    }
    // A null BSTR is the empty string to every automation client.
    std::wstring_view view() const noexcept { return b_ ? std::wstring_view(b_, ::SysStringLen(b_)) : std::wstring_view(); }

private:
    BSTR b_ = nullptr;
};

class UniqueVariant {
public:
    // VariantInit sets only the type; a callee that reads the value before
    // writing it (or fails without writing) must find zeros, not stack bytes.
    UniqueVariant() noexcept { Zero(); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;
    ~UniqueVariant() { ::VariantClear(&v_); }

    VARIANT* get() noexcept { return &v_; }
    const VARIANT* get() const noexcept { return &v_; }
    VARIANT* operator->() noexcept { return &v_; }
    // Clears the current value before an out-parameter call fills it.
    VARIANT* put() noexcept {
        ::VariantClear(&v_);
        Zero();
        return &v_;
    }
    // Hands the value to a caller-owned VARIANT.
    void DetachTo(VARIANT* out) noexcept {
        *out = v_;
        Zero();
    }

private:
    void Zero() noexcept {
        std::memset(&v_, 0, sizeof(v_));
        ::VariantInit(&v_);
    }
    VARIANT v_;
};

}  // namespace brixel::win
