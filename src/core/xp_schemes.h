// The XP colour schemes as far as the property model uses them: the border
// colours an XP face gives the border properties, the Office 2003 preset, and
// the reading of the desktop theme values.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/colour.h"
#include "core/property_table.h"

namespace brixel {

struct XPSchemeColours {
    OleColor border;  // enabled border
    OleColor disabled_border;
    OleColor office_light;  // Office 2003 gradient colours and border
    OleColor office_mid;
    OleColor office_border;
};

// Values outside the three schemes (AutoDetect unresolved, or anything a
// script stored) read as blue.
const XPSchemeColours& SchemeColours(std::int16_t scheme);

// The desktop theme values: "ThemeActive" and "ColorName" (nullopt when they
// cannot be read). Any doubt gives blue.
std::int16_t SchemeFromThemeValues(std::optional<std::u16string_view> theme_active,
                                   std::optional<std::u16string_view> color_name);

// The properties the Office 2003 preset assigns (and the style switch saves).
std::span<const RecordField> Office2003PresetFields();
void SetOffice2003LookDefaults(ButtonProperties& p, std::int16_t scheme);

}  // namespace brixel
