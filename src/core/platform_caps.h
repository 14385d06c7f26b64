// Facts about the system the control runs on, decided once at window creation.
#pragma once

#include <string_view>

namespace brixel {

enum class OsPlatform { Win9x, NT, Other };

struct OsVersion {
    OsPlatform platform = OsPlatform::Other;
    int major = 0;
    int minor = 0;
};

struct Capabilities {
    bool fast_primitives = false;  // GradientFill and AlphaBlend may be called
    bool nt5 = false;              // the NT line, major version 5
    bool win9x = false;            // the 9x line from 4.10: its region radii
};

Capabilities CapabilitiesFor(OsVersion version);

// A Windows Forms container names its windows "WindowsForms...".
bool IsWindowsFormsClassName(std::u16string_view class_name);

}  // namespace brixel
