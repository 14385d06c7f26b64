#include "activex/class_factory.h"

#include "activex/com_object.h"
#include "activex/module.h"

namespace brixel::activex {
namespace {

class ClassFactory final : public ComObject<IClassFactory, IID_IClassFactory> {
public:
    explicit ClassFactory(CreateInstanceFn create) noexcept : create_(create) { LockModule(); }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) noexcept override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        return create_(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override {
        if (lock) {
            LockModule();
        } else {
            UnlockModule();
        }
        return S_OK;
    }

private:
    ~ClassFactory() override { UnlockModule(); }

    CreateInstanceFn create_;
};

}  // namespace

HRESULT CreateClassFactory(const ClassEntry& entry, REFIID iid, void** out) noexcept {
    auto* factory = new (std::nothrow) ClassFactory(entry.create);
    if (factory == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

}  // namespace brixel::activex
