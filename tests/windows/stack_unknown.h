// The IUnknown of a test double that lives on the test's stack (or inside a
// fixture) and answers IUnknown and one interface. Its count is never acted
// on: AddRef and Release report a count that keeps callers from freeing it.
#pragma once

#include <objbase.h>

namespace brixel::testing {

template <class Interface, const IID& kInterfaceId>
class StackUnknown : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, kInterfaceId) ? static_cast<Interface*>(this)
                                                                               : nullptr;
        return *out != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

}  // namespace brixel::testing
