// The face gallery: every appearance in every state a user meets, the split
// and drop-down menu buttons, and the focus and default frames, each drawn by
// DrawTheButton exactly as the control's window draws it: with the values the
// control's own property rules give when a user sets the row's properties
// (the appearance's border colours, the Office 2003 preset), and cut to the
// window region the control's window would have.
#include "faces.h"

#include "core/button_model.h"
#include "core/dispids.h"
#include "core/property_table.h"
#include "pixel/classic_colours.h"
#include "pixel/raster.h"
#include "render/caption.h"
#include "core/dpi_scale.h"
#include "render/draw_button.h"
#include "render/region_shape.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace brixel::tools {
namespace {

constexpr int kLabelWidth = 150;
constexpr int kCellWidth = 104;
constexpr int kCellHeight = 58;
constexpr int kHeaderHeight = 22;
constexpr Rect kFace{0, 0, 87, 25};
constexpr Rgb kPaper{236, 236, 236};
constexpr Rgb kInk{30, 30, 30};

// What a row changes on a new control.
struct Row {
    const char* title;
    std::int16_t appearance;
    std::int16_t scheme = kvnXPBlueScheme;
    std::int16_t style = kvnAppearanceDefaultStyle;
    bool cool = false;
    bool menu = false;
    bool drop_down_only = false;
    bool rounded = false;
    bool gradient = false;
};

const Row kRows[] = {
    {.title = "Flat", .appearance = kvnFlat},
    {.title = "3D", .appearance = kvn3D},
    {.title = "3D, cool button", .appearance = kvn3D, .cool = true},
    {.title = "3D with mouse", .appearance = kvn3DWithMouse},
    {.title = "XP, blue", .appearance = kvnXPStyleAPB},
    {.title = "XP, olive green", .appearance = kvnXPStyleAPB, .scheme = kvnXPOliveGreenScheme},
    {.title = "XP, silver", .appearance = kvnXPStyleAPB, .scheme = kvnXPSilverScheme},
    {.title = "XP with mouse", .appearance = kvnXPWithMouse},
    {.title = "Office 2003", .appearance = kvnXPStyleAPB, .style = kvnAppearanceOffice2003Style},
    {.title = "Flat, rounded", .appearance = kvnFlat, .rounded = true},
    {.title = "3D split menu", .appearance = kvn3D, .menu = true},
    {.title = "XP split menu", .appearance = kvnXPStyleAPB, .menu = true},
    {.title = "XP drop-down", .appearance = kvnXPStyleAPB, .menu = true, .drop_down_only = true},
    {.title = "Gradient, 3D", .appearance = kvn3D, .gradient = true},
};

// A control at run time without a window, in the classic palette: the
// property model runs its rules against it as it does inside the control.
class GalleryHost final : public ModelHost, public BehaviorLink {
public:
    Rgb SystemColour(int index) const override { return pixel::kClassicColours.SystemColour(index); }
    std::optional<bool> AmbientUserMode() const override { return true; }
    std::u16string AmbientDisplayName() const override { return u"Command1"; }
    std::optional<OleColor> AmbientBackColor() const override { return std::nullopt; }
    std::optional<bool> AmbientDisplayAsDefault() const override { return std::nullopt; }
    void MarkModified() override {}
    void NotifyPropertyChanged(std::int32_t) override {}
    void ShowMessage(std::u16string_view, MessageBoxIcon) override {}
    void Repaint() override {}
    void RebuildRegion() override {}
    void ReapplyControlSize() override {}
    void SetTooltip(std::u16string_view, bool) override {}
    void EnableWindow(bool) override {}
    void RefreshTranslucency() override {}
    void ApplyMenuReadingDirection() override {}
    int ClientHeight() const override { return kFace.Height(); }
    CaptionMetrics CaptionTextMetrics(const FontDesc&) const override { return {13, 0}; }
    std::int16_t DetectDesktopXPScheme() const override { return kvnXPBlueScheme; }
    bool ParentIsWindowsForms() const override { return false; }
    OpenedFile OpenFile(std::u16string_view) override { return {FileError::NotFound, nullptr}; }

    InteractionState Interaction() const override { return {}; }
    void ClearToggled() override {}
    void ClearMenuOpen() override {}
    void SetAutoDropArmed(bool) override {}
    bool Value() const override { return false; }
    void SetValue(bool) override {}
    void PerformClick() override {}
};

// The row's properties set one by one, as a user or a script sets them.
ButtonProperties Configure(const Row& row) {
    GalleryHost host;
    ButtonModel model(host, host);
    const auto put = [&model](std::int32_t id, PropertyValue value) { model.Put(id, value); };
    put(dispid::kCaption, std::u16string(u"&Print"));
    put(dispid::kAppearance, row.appearance);
    put(dispid::kXPColorScheme, row.scheme);
    put(dispid::kAppearanceStyle, row.style);
    put(dispid::kCoolButton, row.cool);
    put(dispid::kMenu, row.menu);
    if (row.drop_down_only) put(dispid::kMenuButtonStyle, std::int16_t{kvnMenuButtonStyleDropDown});
    if (row.rounded) put(dispid::kCornerStyle, std::u16string(u"1;1;1;1"));
    if (row.gradient) {
        put(dispid::kGradient, true);
        put(dispid::kGradientColor1, OleColor{0xFFFFFF});
        put(dispid::kGradientColor2, OleColor{0xC08040});
    }
    return model.Props();
}

// How a column changes the state.
struct Column {
    const char* title;
    void (*apply)(PaintModel&);
};

const Column kColumns[] = {
    {"Normal", [](PaintModel&) {}},
    {"Mouse in", [](PaintModel& m) { m.state.mouse_in = true; }},
    {"Pressed", [](PaintModel& m) { m.state.mouse_in = m.state.pressed = true; }},
    {"Focused", [](PaintModel& m) { m.has_focus = true; }},
    {"Default", [](PaintModel& m) { m.display_as_default = m.props.ShowDefaultBorder = true; }},
    {"Menu open", [](PaintModel& m) { m.state.menu_open = true; }},
    {"Disabled", [](PaintModel& m) { m.props.Enabled = false; }},
};

void Label(Canvas& canvas, const char* text, const Rect& r) {
    std::u16string wide;
    for (const char* c = text; *c != 0; ++c) wide.push_back(static_cast<char16_t>(*c));
    canvas.DrawText(wide, {}, kInk, r, kTextSingleLine | kTextVCenter | kTextNoPrefix);
}

// The model of the face in `row`, `column`, exactly as it is drawn.
PaintModel FaceModel(const Row& row, const Column& column, FontRef font, bool fast_primitives, int dpi) {
    PaintModel m;
    m.dpi = dpi;
    m.props = Configure(row);
    m.system_colours = &pixel::kClassicColours;
    m.fonts = {font, font, font, font};
    m.fast_primitives = fast_primitives;
    m.parent_back_colour = kPaper;
    column.apply(m);
    return m;
}

// Outside its window region a control shows nothing of its own: the page
// shows through there, as the container does around the window.
void ShowOnlyTheWindowRegion(Canvas& canvas, const Rect& at, const PaintModel& m) {
    const Rect client{0, 0, at.Width(), at.Height()};
    const RegionShape shape = ControlRegionShape(m.props, m.state, m.user_mode, client, false, m.dpi);
    std::vector<std::vector<std::pair<int, int>>> covered(static_cast<std::size_t>(client.Height()));
    const auto cover = [&](int y, int left, int right) {
        if (y >= 0 && y < client.Height()) covered[static_cast<std::size_t>(y)].emplace_back(left, right);
    };
    for (const RegionPiece& piece : shape.pieces) {
        if (piece.ellipse == Size{}) {
            for (int y = piece.rect.top; y < piece.rect.bottom; ++y) cover(y, piece.rect.left, piece.rect.right);
        } else {
            for (const pixel::Span& span : pixel::RoundRectRegion(piece.rect, piece.ellipse)) {
                cover(span.y, span.left, span.right);
            }
        }
    }
    for (int y = 0; y < client.Height(); ++y) {
        auto& runs = covered[static_cast<std::size_t>(y)];
        std::sort(runs.begin(), runs.end());
        int x = 0;
        for (const auto& [left, right] : runs) {
            if (left > x) canvas.FillRect({at.left + x, at.top + y, at.left + left, at.top + y + 1}, Brush::Solid(kPaper));
            x = std::max(x, right);
        }
        if (x < client.Width()) {
            canvas.FillRect({at.left + x, at.top + y, at.right, at.top + y + 1}, Brush::Solid(kPaper));
        }
    }
}

// The page's measures at `dpi`: a denser page is the same page, larger.
int At(int pixels, int dpi) { return ScaleForDpi(pixels, dpi); }

Rect FaceRect(std::size_t row, std::size_t column, int dpi) {
    const Rect face{0, 0, At(kFace.right, dpi), At(kFace.bottom, dpi)};
    const int x = At(kLabelWidth, dpi) + static_cast<int>(column) * At(kCellWidth, dpi);
    const int y = At(kHeaderHeight, dpi) + static_cast<int>(row) * At(kCellHeight, dpi);
    return face.Offset(x, y + (At(kCellHeight, dpi) - face.Height()) / 2);
}

// The caption's placement box as DrawTheButton places it, in page
// coordinates, with room for the embossed form's highlight one pixel right
// and down.
Rect CaptionBox(const Canvas& canvas, const Rect& face_on_page, const PaintModel& m) {
    const Rect face{0, 0, face_on_page.Width(), face_on_page.Height()};
    const Rect given = IsSplitButton(m) ? GetMenuButtonBounds(face, m.props).main : face;
    const CaptionPlan plan = PlanCaption(canvas, given, m);
    if (!plan.draw) return {};
    const Rect box{plan.box.left, plan.box.top, plan.box.right + 1, plan.box.bottom + 1};
    return box.Offset(face_on_page.left, face_on_page.top);
}

}  // namespace

Size FaceGallerySize(int dpi) {
    return {At(kLabelWidth, dpi) + static_cast<int>(std::size(kColumns)) * At(kCellWidth, dpi),
            At(kHeaderHeight, dpi) + static_cast<int>(std::size(kRows)) * At(kCellHeight, dpi)};
}

void DrawFaceGallery(Canvas& canvas, FontRef font, bool fast_primitives, int dpi) {
    const Size size = FaceGallerySize(dpi);
    const int cell_width = At(kCellWidth, dpi);
    const int cell_height = At(kCellHeight, dpi);
    canvas.FillRect({0, 0, size.width, size.height}, Brush::Solid(kPaper));
    for (std::size_t c = 0; c < std::size(kColumns); ++c) {
        const int x = At(kLabelWidth, dpi) + static_cast<int>(c) * cell_width;
        Label(canvas, kColumns[c].title, {x, 0, x + cell_width, At(kHeaderHeight, dpi)});
    }
    for (std::size_t r = 0; r < std::size(kRows); ++r) {
        const int y = At(kHeaderHeight, dpi) + static_cast<int>(r) * cell_height;
        Label(canvas, kRows[r].title, {At(8, dpi), y, At(kLabelWidth, dpi), y + cell_height});
        for (std::size_t c = 0; c < std::size(kColumns); ++c) {
            const Rect at = FaceRect(r, c, dpi);
            const PaintModel m = FaceModel(kRows[r], kColumns[c], font, fast_primitives, dpi);
            DrawTheButton(canvas, at, false, m);
            ShowOnlyTheWindowRegion(canvas, at, m);
        }
    }
}

std::vector<GalleryFace> FaceGalleryLayout(const Canvas& canvas, FontRef font) {
    std::vector<GalleryFace> faces;
    for (std::size_t r = 0; r < std::size(kRows); ++r)
        for (std::size_t c = 0; c < std::size(kColumns); ++c) {
            const Rect face = FaceRect(r, c, kDesignDpi);
            const PaintModel m = FaceModel(kRows[r], kColumns[c], font, true, kDesignDpi);
            faces.push_back({std::string(kRows[r].title) + " / " + kColumns[c].title, face, CaptionBox(canvas, face, m)});
        }
    return faces;
}

}  // namespace brixel::tools
