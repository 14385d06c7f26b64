// The container's ambient properties, read on demand through the client
// site. A container that does not answer gets the documented defaults.
#pragma once

#include "gdi/raii.h"

#include <ocidl.h>

#include <optional>
#include <string>

namespace brixel::activex {

class Ambient {
public:
    explicit Ambient(IOleClientSite* site) noexcept;

    // No answer counts as run time.
    bool UserMode() const noexcept;
    // The control's name in the container; empty when not answered.
    std::wstring DisplayName() const;
    // No answer counts as FALSE.
    bool DisplayAsDefault() const noexcept;
    std::optional<OLE_COLOR> BackColor() const noexcept;

private:
    HRESULT Read(DISPID id, VARTYPE type, win::UniqueVariant* out) const noexcept;
    win::ComPtr<IDispatch> ambient_;
};

}  // namespace brixel::activex
