// Whole faces painted over and over: every GDI object a paint creates is
// gone when it returns, and the target DC keeps the objects it had selected.
#include "core/property_table.h"
#include "gdi_test_support.h"
#include "render/draw_button.h"

#include <string>
#include <vector>

namespace brixel::testing {
namespace {

class DesktopColours final : public SystemColours {
public:
    Rgb SystemColour(int index) const override {
        const COLORREF c = ::GetSysColor(index);
        return {GetRValue(c), GetGValue(c), GetBValue(c)};
    }
};

struct Selection {
    HGDIOBJ pen, brush, font, bitmap;
    friend bool operator==(const Selection&, const Selection&) = default;
};

Selection SelectedIn(HDC dc) {
    return {::GetCurrentObject(dc, OBJ_PEN), ::GetCurrentObject(dc, OBJ_BRUSH), ::GetCurrentObject(dc, OBJ_FONT),
            ::GetCurrentObject(dc, OBJ_BITMAP)};
}

// Every appearance, with and without a menu part and a gradient, in every
// state the user can put it in.
std::vector<PaintModel> EveryFace(FontRef font, const SystemColours& colours) {
    std::vector<PaintModel> faces;
    for (std::int16_t appearance : {kvnFlat, kvn3D, kvnXPStyleAPB, kvn3DWithMouse, kvnXPWithMouse}) {
        for (int variant = 0; variant < 16; ++variant) {
            PaintModel m;
            m.props = NewControlProperties(u"Command1", SystemColourRef(COLOR_BTNFACE));
            m.props.Caption = u"&Print";
            m.props.Appearance = appearance;
            m.props.Menu = (variant & 1) != 0;
            m.props.Gradient = (variant & 2) != 0;
            m.props.CornerStyle = (variant & 4) != 0 ? u"1;1;1;1" : u"0;0;0;0";
            m.props.CoolButton = (variant & 8) != 0;
            m.props.TranslucentLevel = (variant & 8) != 0 ? 40 : 0;
            m.state.mouse_in = (variant & 3) == 1;
            m.state.pressed = (variant & 3) == 2;
            m.state.menu_open = (variant & 5) == 5;
            m.has_focus = (variant & 6) == 6;
            m.display_as_default = (variant & 9) == 9;
            m.props.Enabled = variant != 15;
            m.system_colours = &colours;
            m.fonts = {font, font, font, font};
            m.fast_primitives = (variant & 4) == 0;
            faces.push_back(m);
        }
    }
    return faces;
}

TEST_F(GdiFixture, FacePaintsCreateNothingThatOutlivesThem) {
    const DesktopColours colours;
    const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const auto faces = EveryFace(win::ToFontRef(font), colours);
    auto target = MakeSurface({120, 40});
    ASSERT_TRUE(target);
    const HDC dc = dynamic_cast<const win::GdiDevice&>(*target).dc();
    const Selection before = SelectedIn(dc);
    const long start = win::LiveGdiObjects();
    int painted = 0;
    for (int round = 0; round < 3; ++round) {
        for (const PaintModel& m : faces) {
            painted += DrawTheButton(*target, {10, 5, 97, 30}, round == 1, m).painted ? 1 : 0;
            ASSERT_EQ(win::LiveGdiObjects(), start) << "face " << (&m - faces.data()) << " left objects behind";
        }
    }
    EXPECT_GT(painted, 0);
    EXPECT_TRUE(SelectedIn(dc) == before) << "the target DC's selections are restored";
}

}  // namespace
}  // namespace brixel::testing
