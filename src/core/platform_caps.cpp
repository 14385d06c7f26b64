#include "core/platform_caps.h"

namespace brixel {

Capabilities CapabilitiesFor(OsVersion v) {
    const bool win98_on = v.platform == OsPlatform::Win9x && (v.major > 4 || (v.major == 4 && v.minor != 0));
    const bool nt = v.platform == OsPlatform::NT;
    Capabilities caps;
    // Every NT from 5.0 on has both primitives; stopping at 5.x would leave a
    // translucent button showing only its container on later systems.
    caps.fast_primitives = win98_on || (nt && v.major >= 5);
    caps.nt5 = nt && v.major == 5;
    caps.win9x = win98_on;
    return caps;
}

bool IsWindowsFormsClassName(std::u16string_view class_name) {
    return class_name.starts_with(u"WindowsForms");
}

}  // namespace brixel
