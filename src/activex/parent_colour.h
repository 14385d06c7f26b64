// The colour the container paints behind the control, for the pixels the
// XP face leaves outside its rounded corners.
#pragma once

#include "core/colour.h"

#include <windows.h>

namespace brixel::activex {

// The background colour of the container window's device context (not the
// ambient back colour: a form with its own device context keeps its own
// colour there). Without a container window or its colour, the system's
// button face colour.
Rgb GetParentBackColor(HWND control_window);

}  // namespace brixel::activex
