// Which XP colour scheme the desktop shows, read from the theme manager's
// values of the current user through a small reader the platform supplies,
// and the XP border colours of that scheme.
#pragma once

#include "core/colour.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brixel {

// Each theme value is read into a buffer of this many bytes; a longer value
// counts as unreadable.
inline constexpr std::size_t kThemeValueBytes = 261;

using ThemeValueBuffer = std::span<std::uint8_t, kThemeValueBytes>;

// Reads the text values under the current user's
// "Software\Microsoft\Windows\CurrentVersion\ThemeManager".
class ThemeSettingsReader {
public:
    virtual ~ThemeSettingsReader() = default;
    // Stores value `name` as UTF-16LE text into `buffer` and returns how
    // many bytes it stored; nullopt when the key or the value is missing,
    // is not text, or does not fit.
    virtual std::optional<std::size_t> ReadThemeValue(std::u16string_view name, ThemeValueBuffer buffer) const = 0;
};

// The text of the first `count` bytes of a value: up to its first NUL, or
// all of them when the stored value carries none (the registry does not
// promise one). An odd last byte is no character and is dropped.
std::u16string ThemeValueText(std::span<const std::uint8_t> bytes, std::size_t count);

// 0 blue, 1 olive green, 2 silver; blue whenever anything is in doubt.
std::int16_t GetSystemXPColorScheme(const ThemeSettingsReader& reader);

// The enabled or disabled XP border colour of the scheme the desktop shows
// now, whatever scheme the control itself is set to.
Rgb GetXPBorderColor(const ThemeSettingsReader& reader, bool disabled);
// The same for a scheme already detected.
Rgb XPBorderColourOfScheme(std::int16_t scheme, bool disabled);

}  // namespace brixel
