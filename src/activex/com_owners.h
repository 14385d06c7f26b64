// Owners for what COM and automation hand around: interface references,
// BSTRs, VARIANTs, the strings of an EXCEPINFO and task-allocator memory.
// As with the handle owners of gdi/raii.h, nothing releases or frees these
// by hand; a COM object's own AddRef/Release and the QueryInterface that
// counts what it hands out are the only counting outside this file.
#pragma once

#include <windows.h>
#include <oleauto.h>
#include <unknwn.h>

#include <cstring>
#include <string_view>
#include <utility>

#include "gdi/raii.h"

namespace brixel::win {

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

    // Adopts a reference the caller already owns (a new object's first one).
    static ComPtr Attach(T* p) noexcept {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    void reset() noexcept {
        if (T* old = std::exchange(p_, nullptr)) old->Release();
    }
    T** put() noexcept {
        reset();
        return &p_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
    // Fills a caller's out-parameter with a reference of its own (null when
    // this holds none); the caller releases it.
    template <typename U>
    void CopyTo(U** out) const noexcept {
        *out = p_;
        if (p_) p_->AddRef();
    }

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

// An out-parameter's own reference to an object the callee holds by other
// means (a member it is part of, a raw pointer kept alive by its owner).
template <typename T, typename U>
void CopyInterface(T* object, U** out) noexcept {
    ComPtr<T>(object).CopyTo(out);
}

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

private:
    void Zero() noexcept {
        std::memset(&v_, 0, sizeof(v_));
        ::VariantInit(&v_);
    }
    VARIANT v_;
};

// The exception an Invoke raised: its three strings belong to the caller.
class UniqueExcepInfo {
public:
    UniqueExcepInfo() = default;
    UniqueExcepInfo(const UniqueExcepInfo&) = delete;
    UniqueExcepInfo& operator=(const UniqueExcepInfo&) = delete;
    ~UniqueExcepInfo() { reset(); }

    const EXCEPINFO& get() const noexcept { return info_; }
    // Frees what an earlier call left before the next one fills it.
    EXCEPINFO* put() noexcept {
        reset();
        return &info_;
    }
    void reset() noexcept {
        ::SysFreeString(info_.bstrSource);
        ::SysFreeString(info_.bstrDescription);
        ::SysFreeString(info_.bstrHelpFile);
        info_ = {};
    }

private:
    EXCEPINFO info_{};
};

namespace detail {
template <typename T>
inline void FreeTaskMemory(T* p) noexcept {
    ::CoTaskMemFree(p);
}
}  // namespace detail

// Memory from CoTaskMemAlloc, which COM out-parameters hand to the caller:
// owned here until `release()` gives it away.
template <typename T>
using UniqueTaskMemory = UniqueHandle<T*, detail::FreeTaskMemory<T>>;

}  // namespace brixel::win
