// The property-browser category interface. Browsers that group properties
// ask for it; the Windows SDK headers of the cross compiler do not declare it.
#pragma once

#include <unknwn.h>

namespace brixel::activex {

using PROPCAT = int;

// {4D07FC10-F931-11CE-B001-00AA006884E5}
inline constexpr IID kIID_ICategorizeProperties = {
    0x4D07FC10, 0xF931, 0x11CE, {0xB0, 0x01, 0x00, 0xAA, 0x00, 0x68, 0x84, 0xE5}};

class ICategorizeProperties : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE MapPropertyToCategory(DISPID id, PROPCAT* category) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCategoryName(PROPCAT category, LCID lcid, BSTR* name) = 0;
};

}  // namespace brixel::activex
