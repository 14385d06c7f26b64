#include "render/face_cache.h"

#include "core/property_table.h"
#include "pixel/pixel_canvas.h"

#include "paint_model_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <variant>

namespace brixel::testing {
namespace {

using pixel::PixelCanvas;

// --- The key: every input that can change a pixel changes it ---------------------------

class KeyPicture final : public PictureObject {
public:
    bool HasImage() const override { return true; }
};

// Another value of the same type, whatever the field holds.
PropertyValue OtherValue(const PropertyValue& v) {
    struct Other {
        PropertyValue operator()(bool b) const { return !b; }
        PropertyValue operator()(std::int16_t s) const { return static_cast<std::int16_t>(s + 1); }
        PropertyValue operator()(std::int32_t l) const { return l + 1; }
        PropertyValue operator()(OleColor c) const { return OleColor{c ^ 1u}; }
        PropertyValue operator()(const std::u16string& t) const { return t + u"x"; }
        PropertyValue operator()(FontDesc f) const {
            f.size += kFontSizeUnitsPerPoint;
            return f;
        }
        PropertyValue operator()(const SharedPicture&) const { return SharedPicture(std::make_shared<KeyPicture>()); }
    };
    return std::visit(Other{}, v);
}

TEST(FaceKey, EveryPropertyOfTheRecordChangesIt) {
    const PaintModel base = DefaultModel();
    const FaceKey before = FaceKeyOf(base, {87, 25}, false, {});
    int checked = 0;
    for (const MemberInfo& member : MemberTable()) {
        if (std::holds_alternative<std::monostate>(member.field)) continue;
        PaintModel changed = base;
        const std::optional<PropertyValue> value = ReadField(changed.props, member.field);
        ASSERT_TRUE(value.has_value()) << member.name;
        ASSERT_TRUE(WriteField(changed.props, member.field, OtherValue(*value))) << member.name;
        EXPECT_FALSE(FaceKeyOf(changed, {87, 25}, false, {}) == before) << member.name;
        ++checked;
    }
    EXPECT_GT(checked, 100) << "the member table lists the record's fields";
}

// Answers every system colour with one value, the given index excepted.
class OneChangedColour final : public SystemColours {
public:
    explicit OneChangedColour(int index) : index_(index) {}
    Rgb SystemColour(int index) const override {
        return index == index_ ? Rgb{1, 2, 3} : kGreySystemColours.SystemColour(index);
    }

private:
    int index_;
};

// Counts an aggregate's members: the most initialisers it accepts.
struct AnyField {
    template <typename T>
    operator T() const;  // NOLINT(google-explicit-constructor): stands for any member
};
template <typename T, typename... Fields>
constexpr std::size_t MemberCount() {
    if constexpr (requires { T{Fields{}..., AnyField{}}; }) {
        return MemberCount<T, Fields..., AnyField>();
    } else {
        return sizeof...(Fields);
    }
}

TEST(FaceKey, EveryOtherInputOfThePaintChangesIt) {
    // A new member of the paint model must be given a row below (and a place
    // in the key) before this count is raised.
    static_assert(MemberCount<PaintModel>() == 16, "a paint model member the key may not cover");
    const Surface* const capture = reinterpret_cast<const Surface*>(&kGreySystemColours);
    static const OneChangedColour kOtherBtnFace(kColourBtnFace), kOtherScrollbar(0), kOtherMenuBar(30);
    struct Row {
        const char* name;
        std::function<void(PaintModel&, Size&, bool&, FaceKeyExtras&)> change;
    };
    const Row rows[] = {
        {"mouse-in", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.state.mouse_in = true; }},
        {"pressed", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.state.pressed = true; }},
        {"toggled", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.state.toggled = true; }},
        {"menu open", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.state.menu_open = true; }},
        {"auto-drop armed", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.state.auto_drop_armed = true; }},
        {"focus", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.has_focus = true; }},
        {"design time", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.user_mode = false; }},
        {"display as default", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.display_as_default = true; }},
        {"fast primitives", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.fast_primitives = !m.fast_primitives; }},
        {"a capture", [capture](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.captured_background = capture; }},
        {"a later capture", [](PaintModel&, Size&, bool&, FaceKeyExtras& e) { ++e.background_generation; }},
        {"Windows Forms host", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.windows_forms_host = true; }},
        {"parent colour", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.parent_back_colour = {0, 0, 1}; }},
        {"detected scheme", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.detected_xp_scheme = kvnXPSilverScheme; }},
        {"down font", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.fonts[2] = FontRef{99}; }},
        {"disabled picture handle",
         [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.pictures[3] = {PictureKind::Bitmap, 5, {}}; }},
        {"picture size",
         [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.pictures[0].himetric = Size{100, 100}; }},
        {"button face colour", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.system_colours = &kOtherBtnFace; }},
        {"first system colour", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.system_colours = &kOtherScrollbar; }},
        {"last system colour", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.system_colours = &kOtherMenuBar; }},
        {"width", [](PaintModel&, Size& s, bool&, FaceKeyExtras&) { ++s.width; }},
        {"height", [](PaintModel&, Size& s, bool&, FaceKeyExtras&) { ++s.height; }},
        {"after click", [](PaintModel&, Size&, bool& a, FaceKeyExtras&) { a = true; }},
        {"resolution", [](PaintModel&, Size&, bool&, FaceKeyExtras& e) { e.dpi = 120; }},
        {"face resolution", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.dpi = 144; }},
        {"caption rules",
         [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.caption_rules = CaptionRules::WindowsForms; }},
        {"caption left to the host", [](PaintModel& m, Size&, bool&, FaceKeyExtras&) { m.caption_by_host = true; }},
    };
    const PaintModel base = DefaultModel();
    const FaceKey before = FaceKeyOf(base, {87, 25}, false, {});
    for (const Row& row : rows) {
        PaintModel m = base;
        Size size{87, 25};
        bool after_click = false;
        FaceKeyExtras extras;
        row.change(m, size, after_click, extras);
        EXPECT_FALSE(FaceKeyOf(m, size, after_click, extras) == before) << row.name;
    }
    EXPECT_TRUE(FaceKeyOf(base, {87, 25}, false, {}) == before) << "the same inputs give the same key";
}

// --- The cache: the kept face reaches the target as a fresh one would ----------------

bool SamePixels(const PixelCanvas& a, const PixelCanvas& b) {
    for (int y = 0; y < a.size().height; ++y)
        for (int x = 0; x < a.size().width; ++x)
            if (a.GetPixel({x, y}) != b.GetPixel({x, y})) return false;
    return true;
}

// Whether `target` shows what DrawTheButton alone leaves on a target of
// `start` colour.
bool MatchesFresh(const PixelCanvas& target, const PaintModel& m, const Rect& rect, Rgb start) {
    PixelCanvas fresh({100, 40});
    fresh.FillRect({0, 0, 100, 40}, Brush::Solid(start));
    DrawTheButton(fresh, rect, false, m);
    return SamePixels(target, fresh);
}

struct CacheRow {
    const char* name;
    std::function<void(PaintModel&)> set_up;
};

void PrintTo(const CacheRow& row, std::ostream* out) { *out << row.name; }

class KeptFace : public ::testing::TestWithParam<CacheRow> {};

TEST_P(KeptFace, RepaintsMatchAFreshPaintAndComposeOnlyOnChange) {
    const Rect rect{5, 6, 92, 31};
    PixelCanvas capture({87, 25});
    capture.FillRect({0, 0, 87, 25}, Brush::Solid({200, 10, 10}));
    PaintModel m = DefaultModel();
    m.fast_primitives = true;
    m.captured_background = &capture;
    GetParam().set_up(m);

    FaceCache cache;
    PixelCanvas target({100, 40});
    for (int paint = 0; paint < 3; ++paint) {
        // The target gets other pixels between paints, as a container's
        // memory DC would.
        target.FillRect({0, 0, 100, 40}, Brush::Solid({7, 7, 7}));
        cache.Paint(target, rect, false, m, {});
        ASSERT_TRUE(MatchesFresh(target, m, rect, {7, 7, 7})) << "paint " << paint;
    }
    EXPECT_EQ(cache.compositions(), 1u);

    m.state.pressed = true;
    cache.Paint(target, rect, false, m, {});
    EXPECT_TRUE(MatchesFresh(target, m, rect, {7, 7, 7})) << "a changed input shows";
    EXPECT_EQ(cache.compositions(), 2u);

    cache.Paint(target, rect, false, m, FaceKeyExtras{1, 96});
    EXPECT_EQ(cache.compositions(), 3u) << "a new capture composes again";
}

INSTANTIATE_TEST_SUITE_P(
    Faces, KeptFace,
    ::testing::Values(CacheRow{"XP", [](PaintModel&) {}},
                      CacheRow{"Flat", [](PaintModel& m) { m.props.Appearance = kvnFlat; }},
                      CacheRow{"ThreeDFocused",
                               [](PaintModel& m) {
                                   m.props.Appearance = kvn3D;
                                   m.has_focus = true;
                               }},
                      CacheRow{"TranslucentAll",
                               [](PaintModel& m) {
                                   m.props.TranslucentStyle = kvnAll;
                                   m.props.TranslucentLevel = 100;
                               }},
                      CacheRow{"TranslucentBackground",
                               [](PaintModel& m) {
                                   m.props.TranslucentStyle = kvnBackground;
                                   m.props.TranslucentLevel = 100;
                               }},
                      CacheRow{"SplitMenuGradient",
                               [](PaintModel& m) {
                                   m.props.Menu = true;
                                   m.props.Gradient = true;
                                   m.props.GradientColor1 = 0x00FF8000;
                               }}),
    [](const ::testing::TestParamInfo<CacheRow>& info) { return std::string(info.param.name); });

TEST(KeptFace, EverySizeInTurnMatchesAFreshPaintAndATranslucentButtonWaitsForItsCapture) {
    FaceCache cache;
    PixelCanvas target({100, 40});
    PaintModel m = DefaultModel();
    m.props.Appearance = kvnFlat;
    // Wider, then smaller again on the larger image, then taller.
    const Rect sizes[] = {{0, 0, 87, 25}, {0, 0, 95, 25}, {0, 0, 60, 20}, {0, 0, 87, 25}, {0, 0, 87, 33}};
    for (const Rect& r : sizes) {
        target.FillRect({0, 0, 100, 40}, Brush::Solid(kBlack));
        EXPECT_TRUE(cache.Paint(target, r, false, m, {}).painted);
        EXPECT_TRUE(MatchesFresh(target, m, r, kBlack)) << r.Width() << " x " << r.Height();
    }
    EXPECT_EQ(cache.compositions(), 5u);

    m.props.TranslucentStyle = kvnAll;
    EXPECT_FALSE(cache.Paint(target, {0, 0, 95, 25}, false, m, {}).painted) << "nothing captured yet";
    EXPECT_FALSE(cache.Paint(target, {0, 0, 0, 25}, false, DefaultModel(), {}).painted) << "an empty face";
}

// A host that compares its record in place hands a model without one: the
// kept face must still be presented from the record it was composed with
// (the focus frame reads it), and a changed record composes again.
TEST(KeptFace, ARecordHeldApartIsComparedInPlaceAndCopiedOnlyToCompose) {
    const Rect rect{5, 6, 92, 31};
    PaintModel full = DefaultModel();
    full.props.Appearance = kvn3D;
    full.has_focus = true;
    ButtonProperties record = full.props;
    auto without_record = [&full] {
        PaintModel m = full;
        m.props = ButtonProperties{};
        return m;
    };
    FaceCache cache;
    PixelCanvas target({100, 40});
    for (int paint = 0; paint < 3; ++paint) {
        target.FillRect({0, 0, 100, 40}, Brush::Solid({7, 7, 7}));
        PaintModel m = without_record();
        EXPECT_TRUE(cache.Paint(target, rect, false, m, record, {}).painted);
        ASSERT_TRUE(MatchesFresh(target, full, rect, {7, 7, 7})) << "paint " << paint;
    }
    EXPECT_EQ(cache.compositions(), 1u);

    record.BackColor = 0x0040C0FF;
    full.props = record;
    PaintModel m = without_record();
    cache.Paint(target, rect, false, m, record, {});
    EXPECT_TRUE(MatchesFresh(target, full, rect, {7, 7, 7})) << "the changed record shows";
    EXPECT_EQ(cache.compositions(), 2u);

    cache.Paint(target, rect, false, full, {});
    EXPECT_EQ(cache.compositions(), 2u) << "a full model with the same inputs finds the same face";
}

}  // namespace
}  // namespace brixel::testing
