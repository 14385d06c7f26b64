#include "activex/class_factory.h"

#include "activex/com_object.h"
#include "activex/com_owners.h"
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
    const auto factory = win::ComPtr<ClassFactory>::Attach(new (std::nothrow) ClassFactory(entry.create));
    if (!factory) return E_OUTOFMEMORY;
    return factory.As(iid, out);
}

}  // namespace brixel::activex
