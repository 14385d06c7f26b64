#include "activex/ole_values.h"

namespace brixel::activex {

bool OlePicture::HasImage() const {
    if (!picture_) return false;
    win::ComPtr<IPicture> picture;
    if (FAILED(picture_.As(&picture))) return false;
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_NONE;
    return SUCCEEDED(picture->get_Type(&type)) && type != PICTYPE_NONE && type != PICTYPE_UNINITIALIZED &&
           SUCCEEDED(picture->get_Handle(&handle)) && handle != 0;
}

std::u16string ToU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }
std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

namespace {

std::optional<PropertyValue> Coerced(const VARIANT& in, VARTYPE type) noexcept {
    win::UniqueVariant v;
    if (FAILED(::VariantChangeType(v.put(), const_cast<VARIANT*>(&in), 0, type))) return std::nullopt;
    switch (type) {
        case VT_I2: return PropertyValue(static_cast<std::int16_t>(v->iVal));
        case VT_I4: return PropertyValue(static_cast<std::int32_t>(v->lVal));
        case VT_BOOL: return PropertyValue(v->boolVal != VARIANT_FALSE);
        case VT_BSTR:
            try {
                return PropertyValue(ToU16(v->bstrVal ? std::wstring_view(v->bstrVal, ::SysStringLen(v->bstrVal))
                                                      : std::wstring_view()));
            } catch (...) {
                return std::nullopt;
            }
        default: return std::nullopt;
    }
}

// Objects arrive as VT_DISPATCH or VT_UNKNOWN, possibly by reference; Nothing
// (a null object) clears a picture.
IUnknown* ObjectOf(const VARIANT& in, bool* is_object) noexcept {
    const VARIANT* v = &in;
    if (v->vt == (VT_VARIANT | VT_BYREF) && v->pvarVal != nullptr) v = v->pvarVal;
    *is_object = true;
    switch (v->vt) {
        case VT_DISPATCH: return v->pdispVal;
        case VT_UNKNOWN: return v->punkVal;
        case VT_DISPATCH | VT_BYREF: return v->ppdispVal ? *v->ppdispVal : nullptr;
        case VT_UNKNOWN | VT_BYREF: return v->ppunkVal ? *v->ppunkVal : nullptr;
        case VT_EMPTY:
        case VT_NULL: return nullptr;
        default: *is_object = false; return nullptr;
    }
}

}  // namespace

std::optional<PropertyValue> FromVariant(const VARIANT& in, VarType type) noexcept {
    switch (type) {
        case VarType::I2: return Coerced(in, VT_I2);
        case VarType::I4: return Coerced(in, VT_I4);
        case VarType::Bool: return Coerced(in, VT_BOOL);
        case VarType::Bstr: return Coerced(in, VT_BSTR);
        case VarType::Color: {
            // Colours travel as signed 32-bit values; 0x8000000F and -2147483633 are one colour.
            auto v = Coerced(in, VT_I4);
            if (!v) v = Coerced(in, VT_UI4);
            if (!v) return std::nullopt;
            return PropertyValue(static_cast<OleColor>(std::get<std::int32_t>(*v)));
        }
        case VarType::Font: {
            bool is_object = false;
            IUnknown* object = ObjectOf(in, &is_object);
            if (!is_object || object == nullptr) return std::nullopt;
            auto desc = DescribeOleFont(object);
            if (!desc) return std::nullopt;
            return PropertyValue(std::move(*desc));
        }
        case VarType::Picture: {
            bool is_object = false;
            IUnknown* object = ObjectOf(in, &is_object);
            if (!is_object) return std::nullopt;
            if (object == nullptr) return PropertyValue(SharedPicture());
            win::ComPtr<IPictureDisp> picture;
            if (FAILED(object->QueryInterface(IID_IPictureDisp, picture.put_void()))) return std::nullopt;
            try {
                return PropertyValue(SharedPicture(std::make_shared<OlePicture>(std::move(picture))));
            } catch (...) {
                return std::nullopt;
            }
        }
        case VarType::Void: return std::nullopt;
    }
    return std::nullopt;
}

HRESULT ToVariant(const PropertyValue& value, VARIANT* out) noexcept {
    ::VariantInit(out);
    if (const auto* b = std::get_if<bool>(&value)) {
        out->vt = VT_BOOL;
        out->boolVal = *b ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* s = std::get_if<std::int16_t>(&value)) {
        out->vt = VT_I2;
        out->iVal = *s;
    } else if (const auto* l = std::get_if<std::int32_t>(&value)) {
        out->vt = VT_I4;
        out->lVal = *l;
    } else if (const auto* c = std::get_if<OleColor>(&value)) {
        out->vt = VT_I4;
        out->lVal = static_cast<LONG>(*c);
    } else if (const auto* t = std::get_if<std::u16string>(&value)) {
        out->bstrVal = ::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(t->data()), static_cast<UINT>(t->size()));
        if (out->bstrVal == nullptr) return E_OUTOFMEMORY;
        out->vt = VT_BSTR;
    } else if (const auto* f = std::get_if<FontDesc>(&value)) {
        IFontDisp* font = nullptr;
        if (const HRESULT hr = CreateOleFont(*f, &font); FAILED(hr)) return hr;
        out->vt = VT_DISPATCH;
        out->pdispVal = font;
    } else if (const auto* p = std::get_if<SharedPicture>(&value)) {
        const auto* picture = dynamic_cast<const OlePicture*>(p->get());
        out->vt = VT_DISPATCH;
        win::CopyInterface(picture ? picture->get() : nullptr, &out->pdispVal);
    }
    return S_OK;
}

win::UniqueFont CreateGdiFont(const FontDesc& desc) noexcept {
    win::WindowDc screen(nullptr);
    return CreateGdiFont(desc, screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96);
}

win::UniqueFont CreateGdiFont(const FontDesc& desc, int dpi) noexcept {
    constexpr std::int64_t kUnitsPerInch = 72 * kFontSizeUnitsPerPoint;
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>((desc.size * dpi + kUnitsPerInch / 2) / kUnitsPerInch);
    lf.lfWeight = desc.weight;
    lf.lfItalic = desc.italic;
    lf.lfUnderline = desc.underline;
    lf.lfStrikeOut = desc.strikethrough;
    lf.lfCharSet = static_cast<BYTE>(desc.charset);
    const std::wstring face = ToWide(desc.face);
    ::lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return win::UniqueFont(::CreateFontIndirectW(&lf));
}

HRESULT CreateOleFont(const FontDesc& desc, IFontDisp** out) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    std::wstring face = ToWide(desc.face);
    FONTDESC fd{};
    fd.cbSizeofstruct = sizeof(fd);
    fd.lpstrName = face.data();
    fd.cySize.int64 = desc.size;
    fd.sWeight = desc.weight;
    fd.sCharset = desc.charset;
    fd.fItalic = desc.italic;
    fd.fUnderline = desc.underline;
    fd.fStrikethrough = desc.strikethrough;
    return ::OleCreateFontIndirect(&fd, IID_IFontDisp, reinterpret_cast<void**>(out));
}

std::optional<FontDesc> DescribeOleFont(IUnknown* object) noexcept {
    win::ComPtr<IFont> font;
    if (object == nullptr || FAILED(object->QueryInterface(IID_IFont, font.put_void()))) return std::nullopt;
    FontDesc desc;
    win::UniqueBstr name;
    CY size{};
    SHORT weight = 0, charset = 0;
    BOOL italic = FALSE, underline = FALSE, strike = FALSE;
    if (FAILED(font->get_Name(name.put())) || FAILED(font->get_Size(&size)) || FAILED(font->get_Weight(&weight)) ||
        FAILED(font->get_Charset(&charset)) || FAILED(font->get_Italic(&italic)) ||
        FAILED(font->get_Underline(&underline)) || FAILED(font->get_Strikethrough(&strike))) {
        return std::nullopt;
    }
    try {
        desc.face = ToU16(name.view());
    } catch (...) {
        return std::nullopt;
    }
    desc.size = size.int64;
    desc.weight = weight;
    desc.charset = charset;
    desc.italic = italic != FALSE;
    desc.underline = underline != FALSE;
    desc.strikethrough = strike != FALSE;
    return desc;
}

}  // namespace brixel::activex
