#include "core/colour.h"

#include <gtest/gtest.h>

namespace brixel {
namespace {

class FakeSystemColours final : public SystemColours {
public:
    Rgb SystemColour(int index) const override {
        last_index = index;
        return Rgb{static_cast<std::uint8_t>(index), 0x11, 0x22};
    }
    mutable int last_index = -1;
};

TEST(OleColours, PlainValuesAreBlueGreenRed) {
    FakeSystemColours system;
    EXPECT_EQ(ResolveOleColor(0x743C00, system), (Rgb{0x00, 0x3C, 0x74}));
    EXPECT_EQ(ResolveOleColor(0x00FFFFFF, system), (Rgb{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(system.last_index, -1) << "a plain colour must not consult the system";
}

TEST(OleColours, SystemReferencesAskTheHost) {
    FakeSystemColours system;
    EXPECT_EQ(ResolveOleColor(0x8000000F, system), (Rgb{15, 0x11, 0x22}));
    EXPECT_EQ(system.last_index, kColourBtnFace);
    EXPECT_EQ(ResolveOleColor(SystemColourRef(kColourInactiveBorder), system).r, 11);
    EXPECT_EQ(SystemColourRef(kColourInactiveBorder), 0x8000000Bu);
}

TEST(OleColours, OtherTopBytesAreIgnored) {
    FakeSystemColours system;
    // Palette-relative and other flagged values still name an RGB in the low bytes.
    EXPECT_EQ(ResolveOleColor(0x02102030, system), (Rgb{0x30, 0x20, 0x10}));
    EXPECT_EQ(ResolveOleColor(0xFF0000FF, system), (Rgb{0xFF, 0, 0}));
    EXPECT_EQ(system.last_index, -1);
    EXPECT_FALSE(IsSystemColour(0x81000005));
}

TEST(OleColours, MakeOleColorRoundTrips) {
    FakeSystemColours system;
    const Rgb c{1, 2, 3};
    EXPECT_EQ(MakeOleColor(c), 0x030201u);
    EXPECT_EQ(ResolveOleColor(MakeOleColor(c), system), c);
}

}  // namespace
}  // namespace brixel
