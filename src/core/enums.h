// The control's enumerated property types, their constants and the texts that
// name each value in the property pages and in a container's property browser.
//
// The numeric values are a published contract: they are compiled into the type
// library, written into saved documents and sent by scripts. Every later layer
// (type library check, pages, browser lists) iterates the tables below instead
// of keeping its own copy.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace brixel {

enum ENUM_APPEARANCE : std::int16_t {
    kvnFlat = 0,
    kvn3D = 1,
    kvnXPStyleAPB = 2,
    kvn3DWithMouse = 3,
    kvnXPWithMouse = 4,
};

enum ENUM_HALIGNMENT : std::int16_t {
    kvnLeftJustify = 0,
    kvnRightJustify = 1,
    kvnHCenter = 2,
};

enum ENUM_VALIGNMENT : std::int16_t {
    kvnTopJustify = 0,
    kvnBottomJustify = 1,
    kvnVCenter = 2,
};

// Values 3 to 98 are deliberately not constants: 99 is kept apart so that the
// built-in sounds can grow without moving the custom entry.
enum ENUM_SOUND : std::int16_t {
    kvnNoSound = 0,
    kvnSound1 = 1,
    kvnSound2 = 2,
    kvnCustom = 99,
};

enum ENUM_XP_SCHEME : std::int16_t {
    kvnXPBlueScheme = 0,
    kvnXPOliveGreenScheme = 1,
    kvnXPSilverScheme = 2,
    kvnXPAutoDetect = 3,
};

// Not the type of a property: one field of the CornerStyle text. Drawing only
// distinguishes 0 (square) from anything else (rounded).
enum ENUM_CORNER_STYLE : std::int16_t {
    kvn90Degree = 0,
    kvnRoundedCorners = 1,
    kvnRoundedUpperCorners = 2,
    kvnRoundedLowerCorners = 3,
    kvnRoundedLeftCorners = 4,
    kvnRoundedRightCorners = 5,
};

// One field of the CornerRoundingLevel text: 0 the smaller rounding, any other
// value the larger.
enum ENUM_CORNER_ROUNDING_LEVEL : std::int16_t {
    kvnLevel1 = 0,
    kvnLevel2 = 1,
};

enum ENUM_BORDER_STYLE : std::int16_t {
    kvnNone = 0,
    kvnSolid = 1,
    kvnDots = 2,
    kvnDashes = 3,
    kvnDoubleLine = 4,
};

enum ENUM_TRANSLUCENT_STYLE : std::int16_t {
    kvnNotTranslucent = 0,
    kvnAll = 1,
    kvnBackground = 2,
};

enum ENUM_PICTURE_STYLE : std::int16_t {
    kvnNormal = 0,
    kvnStretched = 1,
};

enum ENUM_PICTURE_EFFECT : std::int16_t {
    kvnNoEffect = 0,
    kvnPopup = 1,
    kvnLighter = 2,
    kvnDarker = 3,
};

enum ENUM_GRADIENT_FILL_STYLE : std::int16_t {
    kvnGradientStyleHorizontal = 0,
    kvnGradientStyleVertical = 1,
    kvnGradientStyleDiagonalDown = 2,
    kvnGradientStyleDiagonalUp = 3,
    kvnGradientStyleCorner = 4,
    kvnGradientStyleXPStyle1 = 5,
    kvnGradientStyleXPStyle2 = 6,
};

enum ENUM_GRADIENT_FILL_STYLE_VARIANT : std::int16_t {
    kvnGradientStyleVariant1 = 0,
    kvnGradientStyleVariant2 = 1,
    kvnGradientStyleVariant3 = 2,
    kvnGradientStyleVariant4 = 3,
};

enum ENUM_APPEARANCE_STYLE : std::int16_t {
    kvnAppearanceDefaultStyle = 0,
    kvnAppearanceOffice2003Style = 1,
};

enum ENUM_MENU_BUTTON_ALIGNMENT : std::int16_t {
    kvnMenuButtonAlignmentLeft = 0,
    kvnMenuButtonAlignmentRight = 1,
};

enum ENUM_MENU_ALIGNMENT : std::int16_t {
    kvnMenuAlignmentLeft = 0,
    kvnMenuAlignmentRight = 1,
};

enum ENUM_MENU_BUTTON_STYLE : std::int16_t {
    kvnMenuButtonStylePushButtonAndDropDown = 0,
    kvnMenuButtonStyleDropDown = 1,
};

// --- Tables ---------------------------------------------------------------

struct EnumConstant {
    std::string_view name;        // the kvn constant as published
    std::int16_t value;
    std::string_view page_label;  // "0 - Flat"; empty where no page lists it
};

struct EnumType {
    std::string_view name;  // ENUM_... as published in the type library
    std::span<const EnumConstant> constants;
};

// Every enumeration of the type library, in declaration order.
std::span<const EnumType> AllEnumTypes();
const EnumType* FindEnumType(std::string_view name);

// The page label of a value, or an empty view when the value has none.
std::string_view PageLabel(const EnumType& type, std::int16_t value);

// --- Mouse pointers --------------------------------------------------------

// Cursors the control can show; the Windows layer maps them to IDC_ values.
enum class SystemCursor : std::uint8_t {
    None,  // the container's default handling
    Arrow,
    Cross,
    IBeam,
    SizeAll,
    SizeNESW,
    SizeNS,
    SizeNWSE,
    SizeWE,
    UpArrow,
    Wait,
    No,
    AppStarting,
    Help,
    Custom,  // the picture held by MouseIcon
};

inline constexpr std::int16_t kMousePointerCustom = 99;

struct MousePointerEntry {
    std::int16_t value;
    std::string_view page_label;  // "0 - ccDefault"
    SystemCursor cursor;
};

// The Behavior page's unsorted list: row 16 is the custom pointer (value 99).
std::span<const MousePointerEntry> MousePointerTable();

// Any value outside the table shows no cursor of the control's own.
SystemCursor CursorForMousePointer(std::int16_t value);

// --- Property browser value lists -------------------------------------------

struct BrowserEntry {
    std::int16_t value;
    std::string_view text;
};

// One predefined list of the property browser and the DISPIDs that use it.
// The texts are the browser's own and differ in places from the page labels.
struct BrowserList {
    std::span<const std::int32_t> dispids;
    std::span<const BrowserEntry> entries;
};

std::span<const BrowserList> BrowserLists();
const BrowserList* BrowserListFor(std::int32_t dispid);
std::optional<std::string_view> BrowserText(std::int32_t dispid, std::int16_t value);

}  // namespace brixel
