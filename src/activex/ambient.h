// The container's ambient properties, read on demand through the client
// site. A container that does not answer gets the documented defaults.
#pragma once

#include "activex/com_owners.h"

#include <ocidl.h>

#include <optional>
#include <string>

namespace brixel::activex {

class Ambient {
public:
    explicit Ambient(IOleClientSite* site) noexcept;

    // Each is empty when the container gives no answer (the model then
    // counts user mode as run time and display-as-default as FALSE).
    std::optional<bool> UserMode() const noexcept;
    std::optional<std::wstring> DisplayName() const;
    std::optional<bool> DisplayAsDefault() const noexcept;
    std::optional<OLE_COLOR> BackColor() const noexcept;

private:
    HRESULT Read(DISPID id, VARTYPE type, win::UniqueVariant* out) const noexcept;
    win::ComPtr<IDispatch> ambient_;
};

}  // namespace brixel::activex
