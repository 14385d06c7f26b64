// Loads the control library from beside the test executable and creates
// objects through its own class factory, as COM would after registration.
#pragma once

#include "activex/com_owners.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace brixel::testing {

class ControlLibrary {
public:
    ControlLibrary() : module_(::LoadLibraryW(L"BRIXELDEMO.ocx")) {}
    // A library unloaded under a live object leaves its window procedure and
    // message hook pointing at nothing, and a later test crashes somewhere
    // else. As COM would, keep it loaded while it says it is in use, and say so.
    ~ControlLibrary() {
        using CanUnloadNow = HRESULT(WINAPI*)();
        auto can_unload = Export<CanUnloadNow>("DllCanUnloadNow");
        if (module_ && can_unload != nullptr && can_unload() != S_OK) {
            std::fputs("BRIXELDEMO.ocx is still in use at unload: kept loaded\n", stderr);
            static_cast<void>(module_.release());
        }
    }
    ControlLibrary(const ControlLibrary&) = delete;
    ControlLibrary& operator=(const ControlLibrary&) = delete;
    bool loaded() const { return static_cast<bool>(module_); }
    HMODULE get() const { return module_.get(); }

    template <typename Fn>
    Fn Export(const char* name) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module_.get(), name)));
    }

    HRESULT Create(REFCLSID clsid, REFIID iid, void** out) const {
        using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
        auto get_class_object = Export<GetClassObject>("DllGetClassObject");
        if (get_class_object == nullptr) return E_FAIL;
        win::ComPtr<IClassFactory> factory;
        const HRESULT hr = get_class_object(clsid, IID_IClassFactory, factory.put_void());
        if (FAILED(hr)) return hr;
        return factory->CreateInstance(nullptr, iid, out);
    }

private:
    win::UniqueModule module_;
};

class ComApartment {
public:
    ComApartment() { hr_ = ::OleInitialize(nullptr); }
    ~ComApartment() {
        if (SUCCEEDED(hr_)) ::OleUninitialize();
    }

private:
    HRESULT hr_;
};

}  // namespace brixel::testing
