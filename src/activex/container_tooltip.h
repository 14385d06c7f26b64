// The container's own tooltip for the control. A form designer may show the
// tooltip text of its extended control in a window of its own; while the
// button is pressed that window would cover the button's own feedback.
#pragma once

#include <ocidl.h>

namespace brixel::activex {

// Hides the container's tooltip window for `site`, when the container has a
// non-empty "ToolTipText" on its extended control and such a window shows.
void HideContainerTooltip(IOleClientSite* site) noexcept;

}  // namespace brixel::activex
