// The colour the container paints behind the control, for the pixels the
// XP face leaves outside its rounded corners.
#pragma once

#include "core/colour.h"

#include <windows.h>

namespace brixel::activex {

// The background colour of the container window's device context (not the
// ambient back colour: a form with its own device context keeps its own
// colour there). Without a container window or its colour, the system's
// button face colour, `button_face`. `parent_dc_kept` says whether the
// container window has a device context of its own or of its class: only
// such a context can hold anything but the default colour.
Rgb GetParentBackColor(HWND parent, bool parent_dc_kept, Rgb button_face);

// Whether `window` has a device context of its own or of its class.
bool KeepsItsDc(HWND window);

}  // namespace brixel::activex
