// Property values across the automation boundary: VARIANTs to and from the
// core's values, and the OLE font and picture objects behind its fonts and
// picture references.
#pragma once

#include "activex/com_owners.h"
#include "core/property_table.h"

#include <ocidl.h>
#include <olectl.h>

#include <optional>
#include <string>

namespace brixel::activex {

// A picture object shared with the container and the pages. Held by
// reference: the control never copies the image.
class OlePicture final : public PictureObject {
public:
    explicit OlePicture(win::ComPtr<IPictureDisp> picture) noexcept : picture_(std::move(picture)) {}
    bool HasImage() const override;
    IPictureDisp* get() const noexcept { return picture_.get(); }

private:
    win::ComPtr<IPictureDisp> picture_;
};

std::u16string ToU16(std::wstring_view text);
std::wstring ToWide(std::u16string_view text);

// Converts an automation argument to the member's type; nullopt when it
// cannot be (the caller answers DISP_E_TYPEMISMATCH).
std::optional<PropertyValue> FromVariant(const VARIANT& in, VarType type) noexcept;
// Fills `out` (already initialised) with the value as automation sees it.
HRESULT ToVariant(const PropertyValue& value, VARIANT* out) noexcept;

// A GDI font for the description at the screen's resolution, or at `dpi`.
win::UniqueFont CreateGdiFont(const FontDesc& desc) noexcept;
win::UniqueFont CreateGdiFont(const FontDesc& desc, int dpi) noexcept;

// A standard OLE font object with the description, and back.
HRESULT CreateOleFont(const FontDesc& desc, IFontDisp** out) noexcept;
std::optional<FontDesc> DescribeOleFont(IUnknown* font) noexcept;

}  // namespace brixel::activex
