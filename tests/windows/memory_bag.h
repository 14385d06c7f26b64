// The container's side of a property bag: named variants in memory, open to
// the test so it can look at or alter what a control stored.
#pragma once

#include "activex/com_owners.h"
#include "stack_unknown.h"

#include <ocidl.h>

#include <map>
#include <string>

namespace brixel::testing {

class MemoryPropertyBag final : public StackUnknown<IPropertyBag, IID_IPropertyBag> {
public:
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        const auto it = values.find(name);
        if (it == values.end()) return E_INVALIDARG;
        const VARTYPE wanted = value->vt;
        ::VariantInit(value);
        if (wanted == VT_EMPTY || wanted == VT_DISPATCH || wanted == (VT_ARRAY | VT_UI1)) {
            return ::VariantCopy(value, it->second.get());
        }
        return ::VariantChangeType(value, it->second.get(), 0, wanted);
    }
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
        return ::VariantCopy(values[name].put(), value);
    }

    std::map<std::wstring, win::UniqueVariant> values;
};

}  // namespace brixel::testing
