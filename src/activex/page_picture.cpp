// The Picture page: the four state pictures with their styles, alignments
// and transparent colours, the margins and the two picture effects.
#include "activex/page_classes.h"
#include "activex/page_framework.h"
#include "activex/resource_ids.h"

namespace brixel::activex {
namespace {

// One state's group; `P` is the property prefix, `ID` the control-ID prefix.
#define PICTURE_GROUP(ID, P)                                                                        \
    BindList(IDC_##ID##PICTURE_STYLE, P L"PictureStyle", "ENUM_PICTURE_STYLE"),                     \
        BindList(IDC_##ID##PICTURE_H_ALIGNMENT, P L"PictureHAlignment", "ENUM_HALIGNMENT"),         \
        BindList(IDC_##ID##PICTURE_V_ALIGNMENT, P L"PictureVAlignment", "ENUM_VALIGNMENT"),         \
        BindColour(IDC_##ID##PICTURE_TRANSPARENT_COLOR, P L"PictureTransparentColor",               \
                   IDC_##ID##PICTURE_TRANSPARENT_COLOR_SWATCH, IDC_##ID##PICTURE_TRANSPARENT_COLOR_PICK), \
        BindPicture(IDC_##ID##PICTURE, P L"Picture", IDC_##ID##PICTURE_PICK, IDC_##ID##PICTURE_CLEAR)

constexpr FieldBinding kBindings[] = {
    PICTURE_GROUP(, L""),
    PICTURE_GROUP(MOUSE_IN_, L"MouseIn"),
    PICTURE_GROUP(DOWN_, L"Down"),
    PICTURE_GROUP(DISABLED_, L"Disabled"),
    BindText(IDC_PICTURE_MARGINS, L"PictureMargins"),
    BindList(IDC_PICTURE_EFFECT_WHEN_MOUSE_DOWN, L"PictureEffectWhenMouseDown", "ENUM_PICTURE_EFFECT"),
    BindList(IDC_PICTURE_EFFECT_WHEN_MOUSE_OVER, L"PictureEffectWhenMouseOver", "ENUM_PICTURE_EFFECT"),
};

#undef PICTURE_GROUP

class CPropPagePicture final : public PropertyPage {
public:
    CPropPagePicture() : PropertyPage({IDD_PAGE_PICTURE, IDS_PAGE_PICTURE, kBindings}) {}
};

}  // namespace

HRESULT CreatePicturePage(REFIID iid, void** out) noexcept { return CreatePropertyPage<CPropPagePicture>(iid, out); }

}  // namespace brixel::activex
