// The Appearance page: the face, caption, translucency and border
// properties. Everything it does is in its table.
#include "activex/page_classes.h"
#include "activex/page_framework.h"
#include "activex/resource_ids.h"

namespace brixel::activex {
namespace {

#define COLOUR(name, property) BindColour(IDC_##name, property, IDC_##name##_SWATCH, IDC_##name##_PICK)

constexpr FieldBinding kBindings[] = {
    BindList(IDC_APPEARANCE, L"Appearance", "ENUM_APPEARANCE"),
    BindList(IDC_APPEARANCE_STYLE, L"AppearanceStyle", "ENUM_APPEARANCE_STYLE"),
    BindList(IDC_XP_COLOR_SCHEME, L"XPColorScheme", "ENUM_XP_SCHEME"),
    BindText(IDC_CORNER_STYLE, L"CornerStyle"),
    BindText(IDC_CORNER_ROUNDING_LEVEL, L"CornerRoundingLevel"),
    COLOUR(BACK_COLOR, L"BackColor"),
    COLOUR(DISABLED_BACK_COLOR, L"DisabledBackColor"),
    COLOUR(DOWN_BACK_COLOR, L"DownBackColor"),
    COLOUR(MOUSE_IN_BACK_COLOR, L"MouseInBackColor"),
    BindCheck(IDC_CAPTION_WRAP, L"CaptionWrap"),
    BindList(IDC_CAPTION_H_ALIGNMENT, L"CaptionHAlignment", "ENUM_HALIGNMENT"),
    BindList(IDC_CAPTION_V_ALIGNMENT, L"CaptionVAlignment", "ENUM_VALIGNMENT"),
    BindText(IDC_CAPTION, L"Caption"),
    BindText(IDC_CAPTION_MARGINS, L"CaptionMargins"),
    COLOUR(FONT_COLOR, L"FontColor"),
    COLOUR(DISABLED_FONT_COLOR, L"DisabledFontColor"),
    COLOUR(DOWN_FONT_COLOR, L"DownFontColor"),
    COLOUR(MOUSE_IN_FONT_COLOR, L"MouseInFontColor"),
    BindList(IDC_TRANSLUCENT_STYLE, L"TranslucentStyle", "ENUM_TRANSLUCENT_STYLE"),
    BindNumber(IDC_TRANSLUCENT_LEVEL, L"TranslucentLevel", IDC_TRANSLUCENT_LEVEL_SPIN, 254),
    BindList(IDC_BORDER_STYLE, L"BorderStyle", "ENUM_BORDER_STYLE"),
    BindList(IDC_DOWN_BORDER_STYLE, L"DownBorderStyle", "ENUM_BORDER_STYLE"),
    BindList(IDC_MOUSE_IN_BORDER_STYLE, L"MouseInBorderStyle", "ENUM_BORDER_STYLE"),
    BindNumber(IDC_BEVEL, L"Bevel", IDC_BEVEL_SPIN, 99),
    BindCheck(IDC_SHOW_FOCUS_BORDER, L"ShowFocusBorder"),
    BindCheck(IDC_SHOW_DEFAULT_BORDER, L"ShowDefaultBorder"),
    COLOUR(BORDER_COLOR, L"BorderColor"),
    COLOUR(DISABLED_BORDER_COLOR, L"DisabledBorderColor"),
    COLOUR(DOWN_BORDER_COLOR, L"DownBorderColor"),
    COLOUR(MOUSE_IN_BORDER_COLOR, L"MouseInBorderColor"),
    COLOUR(BEVEL_UPPER_SHADE, L"BevelUpperShade"),
    COLOUR(BEVEL_LOWER_SHADE, L"BevelLowerShade"),
};

#undef COLOUR

class CTavloPropPage final : public PropertyPage {
public:
    CTavloPropPage() : PropertyPage({IDD_PAGE_APPEARANCE, IDS_PAGE_APPEARANCE, kBindings}) {}
};

}  // namespace

HRESULT CreateAppearancePage(REFIID iid, void** out) noexcept { return CreatePropertyPage<CTavloPropPage>(iid, out); }

}  // namespace brixel::activex
