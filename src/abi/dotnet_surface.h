// Where the Windows Forms control's surface differs from the ActiveX
// control's, on top of the same instance: the FlatStyle values and the
// System style, enumerations checked before they are stored, the border
// colour flag set only by a real change, the Office 2003 switch waiting for
// the first BorderColor assignment, and the Windows Forms defaults.
#pragma once

#include "abi/abi_objects.h"

#include <optional>

namespace brixel::abi {

// kvnFlatStyle.
inline constexpr std::int16_t kFlatStyleSystem = 3;

std::optional<std::int16_t> AppearanceForFlatStyle(std::int32_t flat_style, bool theme_active);
std::int16_t FlatStyleForAppearance(std::int16_t appearance);

// Whether `value` is one of the constants of the member's enumeration
// (members without one accept any value).
bool IsDefinedEnumValue(const MemberInfo& member, std::int32_t value);

void ApplyDotNetDefaults(brixel_button& b);
// The System style follows the desktop's theme switch.
void ResolveSystemStyle(brixel_button& b);

}  // namespace brixel::abi
