// The IUnknown of an object that implements some of the control's
// interfaces inside the control: every call goes to the control, so the
// part shares its identity and its reference count (a query from any part
// reaches every interface, and the part lives as long as the control).
#pragma once

#include <objbase.h>

namespace brixel::activex {

template <class... Interfaces>
class ControlPart : public Interfaces... {
public:
    ControlPart(const ControlPart&) = delete;
    ControlPart& operator=(const ControlPart&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) noexcept override {
        return control_.QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() noexcept override { return control_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() noexcept override { return control_.Release(); }

protected:
    explicit ControlPart(IUnknown& control) noexcept : control_(control) {}
    ~ControlPart() = default;

private:
    IUnknown& control_;
};

}  // namespace brixel::activex
