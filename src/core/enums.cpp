#include "core/enums.h"

#include <algorithm>
#include <array>

namespace brixel {
namespace {

constexpr EnumConstant kAppearance[] = {
    {"kvnFlat", kvnFlat, "0 - Flat"},
    {"kvn3D", kvn3D, "1 - 3D"},
    {"kvnXPStyleAPB", kvnXPStyleAPB, "2 - XP Style"},
    {"kvn3DWithMouse", kvn3DWithMouse, "3 - 3D when Mouse Over"},
    {"kvnXPWithMouse", kvnXPWithMouse, "4 - XP when MouseOver"},
};

constexpr EnumConstant kHAlignment[] = {
    {"kvnLeftJustify", kvnLeftJustify, "0 - Left Justify"},
    {"kvnRightJustify", kvnRightJustify, "1 - Right Justify"},
    {"kvnHCenter", kvnHCenter, "2 - Center"},
};

constexpr EnumConstant kVAlignment[] = {
    {"kvnTopJustify", kvnTopJustify, "0 - Top Justify"},
    {"kvnBottomJustify", kvnBottomJustify, "1 - Bottom Justify"},
    {"kvnVCenter", kvnVCenter, "2 - Center"},
};

// The first label names kvnNone, not the constant: it is what users have
// always seen in the list.
constexpr EnumConstant kSound[] = {
    {"kvnNoSound", kvnNoSound, "0 - kvnNone"},
    {"kvnSound1", kvnSound1, "1 - kvnSound1"},
    {"kvnSound2", kvnSound2, "2 - kvnSound2"},
    {"kvnCustom", kvnCustom, "99 - kvnCustom"},
};

constexpr EnumConstant kXPScheme[] = {
    {"kvnXPBlueScheme", kvnXPBlueScheme, "0 - Blue"},
    {"kvnXPOliveGreenScheme", kvnXPOliveGreenScheme, "1 - Olive Green"},
    {"kvnXPSilverScheme", kvnXPSilverScheme, "2 - Silver"},
    {"kvnXPAutoDetect", kvnXPAutoDetect, "3 - AutoDetect"},
};

constexpr EnumConstant kCornerStyle[] = {
    {"kvn90Degree", kvn90Degree, ""},
    {"kvnRoundedCorners", kvnRoundedCorners, ""},
    {"kvnRoundedUpperCorners", kvnRoundedUpperCorners, ""},
    {"kvnRoundedLowerCorners", kvnRoundedLowerCorners, ""},
    {"kvnRoundedLeftCorners", kvnRoundedLeftCorners, ""},
    {"kvnRoundedRightCorners", kvnRoundedRightCorners, ""},
};

constexpr EnumConstant kCornerRoundingLevel[] = {
    {"kvnLevel1", kvnLevel1, ""},
    {"kvnLevel2", kvnLevel2, ""},
};

constexpr EnumConstant kBorderStyle[] = {
    {"kvnNone", kvnNone, "0 - None"},
    {"kvnSolid", kvnSolid, "1 - Solid"},
    {"kvnDots", kvnDots, "2 - Dots"},
    {"kvnDashes", kvnDashes, "3 - Dashes"},
    {"kvnDoubleLine", kvnDoubleLine, "4 - DoubleLine"},
};

constexpr EnumConstant kTranslucentStyle[] = {
    {"kvnNotTranslucent", kvnNotTranslucent, "0 - Not Translucent"},
    {"kvnAll", kvnAll, "1 - All"},
    {"kvnBackground", kvnBackground, "2 - Background"},
};

constexpr EnumConstant kPictureStyle[] = {
    {"kvnNormal", kvnNormal, "0 - Normal"},
    {"kvnStretched", kvnStretched, "1 - Stretched"},
};

constexpr EnumConstant kPictureEffect[] = {
    {"kvnNoEffect", kvnNoEffect, "0 - NoEffect"},
    {"kvnPopup", kvnPopup, "1 - Popup"},
    {"kvnLighter", kvnLighter, "2 - Lighter"},
    {"kvnDarker", kvnDarker, "3 - Darker"},
};

constexpr EnumConstant kGradientStyle[] = {
    {"kvnGradientStyleHorizontal", kvnGradientStyleHorizontal, "0 - Horizontal"},
    {"kvnGradientStyleVertical", kvnGradientStyleVertical, "1 - Vertical"},
    {"kvnGradientStyleDiagonalDown", kvnGradientStyleDiagonalDown, "2 - Diagonal Down"},
    {"kvnGradientStyleDiagonalUp", kvnGradientStyleDiagonalUp, "3 - Diagonal Up"},
    {"kvnGradientStyleCorner", kvnGradientStyleCorner, "4 - Corner"},
    {"kvnGradientStyleXPStyle1", kvnGradientStyleXPStyle1, "5 - XP Style 1"},
    {"kvnGradientStyleXPStyle2", kvnGradientStyleXPStyle2, "6 - XP Style 2"},
};

constexpr EnumConstant kGradientVariant[] = {
    {"kvnGradientStyleVariant1", kvnGradientStyleVariant1, "0 - Variant 1"},
    {"kvnGradientStyleVariant2", kvnGradientStyleVariant2, "1 - Variant 2"},
    {"kvnGradientStyleVariant3", kvnGradientStyleVariant3, "2 - Variant 3"},
    {"kvnGradientStyleVariant4", kvnGradientStyleVariant4, "3 - Variant 4"},
};

constexpr EnumConstant kAppearanceStyle[] = {
    {"kvnAppearanceDefaultStyle", kvnAppearanceDefaultStyle, "0 - Default Style"},
    {"kvnAppearanceOffice2003Style", kvnAppearanceOffice2003Style, "1 - Office 2003 Style"},
};

constexpr EnumConstant kMenuButtonAlignment[] = {
    {"kvnMenuButtonAlignmentLeft", kvnMenuButtonAlignmentLeft, "0 - Left Aligned"},
    {"kvnMenuButtonAlignmentRight", kvnMenuButtonAlignmentRight, "1 - Right Aligned"},
};

constexpr EnumConstant kMenuAlignment[] = {
    {"kvnMenuAlignmentLeft", kvnMenuAlignmentLeft, "0 - Left Aligned"},
    {"kvnMenuAlignmentRight", kvnMenuAlignmentRight, "1 - Right Aligned"},
};

constexpr EnumConstant kMenuButtonStyle[] = {
    {"kvnMenuButtonStylePushButtonAndDropDown", kvnMenuButtonStylePushButtonAndDropDown,
     "0 - PushButton And Dropdown Menu"},
    {"kvnMenuButtonStyleDropDown", kvnMenuButtonStyleDropDown, "1 - Dropdown Menu"},
};

constexpr EnumType kEnumTypes[] = {
    {"ENUM_APPEARANCE", kAppearance},
    {"ENUM_HALIGNMENT", kHAlignment},
    {"ENUM_VALIGNMENT", kVAlignment},
    {"ENUM_SOUND", kSound},
    {"ENUM_XP_SCHEME", kXPScheme},
    {"ENUM_CORNER_STYLE", kCornerStyle},
    {"ENUM_CORNER_ROUNDING_LEVEL", kCornerRoundingLevel},
    {"ENUM_BORDER_STYLE", kBorderStyle},
    {"ENUM_TRANSLUCENT_STYLE", kTranslucentStyle},
    {"ENUM_PICTURE_STYLE", kPictureStyle},
    {"ENUM_PICTURE_EFFECT", kPictureEffect},
    {"ENUM_GRADIENT_FILL_STYLE", kGradientStyle},
    {"ENUM_GRADIENT_FILL_STYLE_VARIANT", kGradientVariant},
    {"ENUM_APPEARANCE_STYLE", kAppearanceStyle},
    {"ENUM_MENU_BUTTON_ALIGNMENT", kMenuButtonAlignment},
    {"ENUM_MENU_ALIGNMENT", kMenuAlignment},
    {"ENUM_MENU_BUTTON_STYLE", kMenuButtonStyle},
};

// Value 4 ("ccIcon") has always shown the plain arrow and 5 ("ccSize") the
// four-way cursor of 15; scripts written against that are not broken here.
constexpr MousePointerEntry kMousePointers[] = {
    {0, "0 - ccDefault", SystemCursor::None},
    {1, "1 - ccArrow", SystemCursor::Arrow},
    {2, "2 - ccCross", SystemCursor::Cross},
    {3, "3 - ccIbeam", SystemCursor::IBeam},
    {4, "4 - ccIcon", SystemCursor::Arrow},
    {5, "5 - ccSize", SystemCursor::SizeAll},
    {6, "6 - ccSizeNESW", SystemCursor::SizeNESW},
    {7, "7 - ccSizeNS", SystemCursor::SizeNS},
    {8, "8 - ccSizeNWSE", SystemCursor::SizeNWSE},
    {9, "9 - ccSizeEW", SystemCursor::SizeWE},
    {10, "10 - ccSizeUpArrow", SystemCursor::UpArrow},
    {11, "11 - ccHourglass", SystemCursor::Wait},
    {12, "12 - ccNoDrop", SystemCursor::No},
    {13, "13 - ccArrowHourglass", SystemCursor::AppStarting},
    {14, "14 - ccArrowQuestion", SystemCursor::Help},
    {15, "15 - ccSizeAll", SystemCursor::SizeAll},
    {kMousePointerCustom, "99 - ccCustom", SystemCursor::Custom},
};

// --- Property browser lists (DISPIDs of the automation interface) ---

constexpr std::int32_t kMousePointerIds[] = {11};
constexpr BrowserEntry kMousePointerTexts[] = {
    {0, "0 - Default"},        {1, "1 - Arrow"},
    {2, "2 - Cross"},          {3, "3 - I-Beam"},
    {4, "4 - Icon"},           {5, "5 - Size"},
    {6, "6 - Size NE SW"},     {7, "7 - Size NS"},
    {8, "8 - Size NW SE"},     {9, "9 - Size WE"},
    {10, "10 - Up Arrow"},     {11, "11 - Hourglass"},
    {12, "12 - No Drop"},      {13, "13 - Arrow and Hourglass"},
    {14, "14 - Arrow and Question"}, {15, "15 - Size All"},
    {99, "99 - Custom"},
};

constexpr std::int32_t kSoundIds[] = {13, 34};
constexpr BrowserEntry kSoundTexts[] = {
    {0, "0 - None"}, {1, "1 - Sound 1"}, {2, "2 - Sound 2"}, {99, "99 - Custom"}};

constexpr std::int32_t kAppearanceIds[] = {18};
constexpr BrowserEntry kAppearanceTexts[] = {
    {0, "0 - Flat"}, {1, "1 - 3D"}, {2, "2 - XP Style"},
    {3, "3 - 3D when Mouse Over"}, {4, "4 - XP when Mouse Over"}};

constexpr std::int32_t kSchemeIds[] = {19};
constexpr BrowserEntry kSchemeTexts[] = {
    {0, "0 - Blue"}, {1, "1 - Olive Green"}, {2, "2 - Silver"}, {3, "3 - AutoDetect"}};

constexpr std::int32_t kBorderStyleIds[] = {21, 27, 51};
constexpr BrowserEntry kBorderStyleTexts[] = {
    {0, "0 - None"}, {1, "1 - Solid"}, {2, "2 - Dots"}, {3, "3 - Dashes"}, {4, "4 - DoubleLine"}};

constexpr std::int32_t kTranslucentIds[] = {28};
constexpr BrowserEntry kTranslucentTexts[] = {
    {0, "0 - Not Translucent"}, {1, "1 - All"}, {2, "2 - Background"}};

// DisabledPictureStyle (80) has no browser list of its own.
constexpr std::int32_t kPictureStyleIds[] = {30, 76, 77};
constexpr BrowserEntry kPictureStyleTexts[] = {{0, "0 - Normal"}, {1, "1 - Stretched"}};

constexpr std::int32_t kHAlignIds[] = {40, 42, 44, 46, 48};
constexpr BrowserEntry kHAlignTexts[] = {
    {0, "0 - Left Justify"}, {1, "1 - Right Justify"}, {2, "2 - Center"}};

constexpr std::int32_t kVAlignIds[] = {41, 43, 45, 47, 49};
constexpr BrowserEntry kVAlignTexts[] = {
    {0, "0 - Top Justify"}, {1, "1 - Bottom Justify"}, {2, "2 - Center"}};

constexpr std::int32_t kGradientStyleIds[] = {57, 62, 67, 72};
constexpr BrowserEntry kGradientStyleTexts[] = {
    {0, "0 - Horizontal"}, {1, "1 - Vertical"}, {2, "2 - Diagonal Down"},
    {3, "3 - Diagonal Up"}, {4, "4 - Corner"}, {5, "5 - XP Style 1"}, {6, "6 - XP Style 2"}};

// "Varient" is the text containers have always shown for the first entry.
constexpr std::int32_t kGradientVariantIds[] = {58, 63, 68, 73};
constexpr BrowserEntry kGradientVariantTexts[] = {
    {0, "0 - Varient 1"}, {1, "1 - Variant 2"}, {2, "2 - Variant 3"}, {3, "3 - Variant 4"}};

constexpr std::int32_t kEffectIds[] = {78, 79};
constexpr BrowserEntry kEffectTexts[] = {
    {0, "0 - No Effect"}, {1, "1 - Popup"}, {2, "2 - Lighter"}, {3, "3 - Darker"}};

constexpr std::int32_t kAppearanceStyleIds[] = {90};
constexpr BrowserEntry kAppearanceStyleTexts[] = {
    {0, "0 - Default Style"}, {1, "1 - Office 2003 Style"}};

constexpr std::int32_t kMenuAlignIds[] = {91, 95};
constexpr BrowserEntry kMenuAlignTexts[] = {{0, "0 - Left Aligned"}, {1, "1 - Right Aligned"}};

constexpr std::int32_t kMenuButtonStyleIds[] = {92};
constexpr BrowserEntry kMenuButtonStyleTexts[] = {
    {0, "0 - PushButton and Dropdown Menu"}, {1, "1 -  Dropdown Menu"}};

constexpr BrowserList kBrowserLists[] = {
    {kMousePointerIds, kMousePointerTexts},
    {kSoundIds, kSoundTexts},
    {kAppearanceIds, kAppearanceTexts},
    {kSchemeIds, kSchemeTexts},
    {kBorderStyleIds, kBorderStyleTexts},
    {kTranslucentIds, kTranslucentTexts},
    {kPictureStyleIds, kPictureStyleTexts},
    {kHAlignIds, kHAlignTexts},
    {kVAlignIds, kVAlignTexts},
    {kGradientStyleIds, kGradientStyleTexts},
    {kGradientVariantIds, kGradientVariantTexts},
    {kEffectIds, kEffectTexts},
    {kAppearanceStyleIds, kAppearanceStyleTexts},
    {kMenuAlignIds, kMenuAlignTexts},
    {kMenuButtonStyleIds, kMenuButtonStyleTexts},
};

}  // namespace

std::span<const EnumType> AllEnumTypes() { return kEnumTypes; }

const EnumType* FindEnumType(std::string_view name) {
    for (const EnumType& type : kEnumTypes) {
        if (type.name == name) return &type;
    }
    return nullptr;
}

std::string_view PageLabel(const EnumType& type, std::int16_t value) {
    for (const EnumConstant& c : type.constants) {
        if (c.value == value) return c.page_label;
    }
    return {};
}

std::span<const MousePointerEntry> MousePointerTable() { return kMousePointers; }

SystemCursor CursorForMousePointer(std::int16_t value) {
    for (const MousePointerEntry& e : kMousePointers) {
        if (e.value == value) return e.cursor;
    }
    return SystemCursor::None;
}

std::span<const BrowserList> BrowserLists() { return kBrowserLists; }

const BrowserList* BrowserListFor(std::int32_t dispid) {
    for (const BrowserList& list : kBrowserLists) {
        if (std::ranges::find(list.dispids, dispid) != list.dispids.end()) return &list;
    }
    return nullptr;
}

std::optional<std::string_view> BrowserText(std::int32_t dispid, std::int16_t value) {
    const BrowserList* list = BrowserListFor(dispid);
    if (list == nullptr) return std::nullopt;
    for (const BrowserEntry& e : list->entries) {
        if (e.value == value) return e.text;
    }
    return std::nullopt;
}

}  // namespace brixel
