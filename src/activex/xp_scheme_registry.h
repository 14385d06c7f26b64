// The desktop theme values as the registry holds them for the current user.
#pragma once

#include "core/xp_scheme_detection.h"

namespace brixel::activex {

// Opens the theme manager key afresh on every read, so a theme change
// between two paints is seen at the next one.
class RegistryThemeSettings final : public ThemeSettingsReader {
public:
    std::optional<std::size_t> ReadThemeValue(std::u16string_view name, ThemeValueBuffer buffer) const override;
};

// The scheme the desktop shows now (blue on any failure).
std::int16_t DetectDesktopXPScheme();

}  // namespace brixel::activex
