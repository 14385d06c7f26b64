// gallery.exe [gradients.png [faces.png [faces-144dpi.png]]]: draws every gradient face into one
// image, each through the platform's GradientFill and through our own
// fallback side by side, so a change to either path shows at a glance; then
// the face gallery (appearances by states) into the second, and at 144 dpi
// into the third when it is named. Prints the paths.
#include "gdi/gdi_canvas.h"  // first: <windows.h> renames DrawText for all that follows
#include "faces.h"
#include "png_writer.h"
#include "render/gradient.h"
#include "render/gradient_background.h"

#include <cstdio>
#include <string>
#include <vector>

namespace brixel::tools {
namespace {

constexpr int kLabelWidth = 150;
constexpr int kCellWidth = 112;
constexpr int kCellHeight = 66;
constexpr int kHeaderHeight = 22;
constexpr Size kFace{96, 40};
constexpr Rgb kPaper{236, 236, 236};
constexpr Rgb kInk{30, 30, 30};

// One row of the gallery: a style and the four cells it shows (variants for
// the geometric styles, states for the XP styles).
struct Row {
    const char* title;
    std::int16_t style;
    Rgb colour1, colour2;
    bool xp;  // cells are XP states rather than variants
};

constexpr Rgb kGold{255, 226, 120};
constexpr Rgb kNavy{30, 80, 190};

const Row kRows[] = {
    {"0 Horizontal", kvnGradientStyleHorizontal, kGold, kNavy, false},
    {"1 Vertical", kvnGradientStyleVertical, kGold, kNavy, false},
    {"2 Diagonal down", kvnGradientStyleDiagonalDown, kGold, kNavy, false},
    {"3 Diagonal up", kvnGradientStyleDiagonalUp, kGold, kNavy, false},
    {"4 From corner", kvnGradientStyleCorner, kGold, kNavy, false},
    {"5 XP Style 1", kvnGradientStyleXPStyle1, {255, 255, 255}, {150, 178, 228}, true},
    {"6 XP Style 2", kvnGradientStyleXPStyle2, {96, 150, 226}, {0, 0, 0}, true},
};

// The XP rows: three states on the XP appearance, then the normal state on
// another appearance (no deflation, no state).
struct Cell {
    const char* label;
    std::int16_t variant;
    int xp_state;
    std::int16_t appearance;
};
const Cell kVariantCells[] = {
    {"Variant 1", kvnGradientStyleVariant1, 0, kvnFlat},
    {"Variant 2", kvnGradientStyleVariant2, 0, kvnFlat},
    {"Variant 3", kvnGradientStyleVariant3, 0, kvnFlat},
    {"Variant 4", kvnGradientStyleVariant4, 0, kvnFlat},
};
const Cell kStateCells[] = {
    {"XP normal", kvnGradientStyleVariant1, kXPStateNormal, kvnXPStyleAPB},
    {"XP pressed", kvnGradientStyleVariant1, kXPStatePressed, kvnXPStyleAPB},
    {"XP mouse in", kvnGradientStyleVariant1, kXPStateMouseInside, kvnXPStyleAPB},
    {"Flat, pressed", kvnGradientStyleVariant1, kXPStatePressed, kvnFlat},
};

void Label(Canvas& canvas, const std::u16string& text, const Rect& r, std::uint32_t format = 0) {
    canvas.DrawText(text, {}, kInk, r, format | kTextSingleLine | kTextVCenter | kTextNoPrefix);
}

std::u16string Wide(const char* text) { return std::u16string(text, text + std::char_traits<char>::length(text)); }

void DrawCell(Canvas& canvas, const Row& row, const Cell& cell, bool fast, Point at) {
    const std::u16string label = Wide(cell.label) + (fast ? u" fast" : u" fallback");
    Label(canvas, label, {at.x, at.y, at.x + kCellWidth, at.y + 18});
    const Rect face{at.x, at.y + 20, at.x + kFace.width, at.y + 20 + kFace.height};
    canvas.FillRect(face.Deflated(-1), Brush::Solid({160, 160, 160}));  // a frame shows the face's extent
    canvas.FillRect(face, Brush::Solid(kPaper));
    GradientParams p;
    p.style = row.style;
    p.variant = cell.variant;
    p.colour1 = row.colour1;
    p.colour2 = row.colour2;
    p.xp_state = cell.xp_state;
    p.appearance = cell.appearance;
    FillGradient(canvas, face, p, fast ? FastPrimitives::Allowed : FastPrimitives::Avoid);
}

// A split button with its menu dropped: the main part by the normal rule,
// reaching under the menu part, then the menu part by the down rule.
struct SplitCell {
    const char* label;
    bool menu_on_right;
    bool xp;
    bool main_gradient;
};
const SplitCell kSplitCells[] = {
    {"Menu right", true, false, true},
    {"Menu left", false, false, true},
    {"XP, menu right", true, true, true},
    {"Plain main part", true, false, false},
};
constexpr int kMenuWidth = 22;
constexpr Rgb kBackColour{212, 208, 200};

GradientBackgroundInput SplitInput(const SplitCell& cell, const Rect& face) {
    GradientBackgroundInput in;
    in.normal = {cell.main_gradient, kvnGradientStyleHorizontal, kvnGradientStyleVariant1, kGold, kNavy};
    in.down = {true, kvnGradientStyleHorizontal, kvnGradientStyleVariant2, {247, 218, 124}, {232, 127, 8}};
    if (cell.xp) {
        in.xp_face = true;
        in.appearance = kvnXPStyleAPB;
        in.normal = {true, kvnGradientStyleXPStyle1, kvnGradientStyleVariant1, {255, 255, 255}, {150, 178, 228}};
        in.down = {true, kvnGradientStyleXPStyle2, kvnGradientStyleVariant1, {240, 160, 60}, {}};
    }
    in.enable_down_properties = true;
    in.split_button = in.menu_dropped = true;
    in.main_part = in.menu_part = face;
    if (cell.menu_on_right) {
        in.menu_part.left = in.main_part.right = face.right - kMenuWidth;
    } else {
        in.menu_part.right = in.main_part.left = face.left + kMenuWidth;
    }
    return in;
}

void DrawSplitCell(Canvas& canvas, const SplitCell& cell, bool fast, Point at) {
    Label(canvas, Wide(cell.label) + (fast ? u" fast" : u" fallback"), {at.x, at.y, at.x + kCellWidth, at.y + 18});
    const Rect face{at.x, at.y + 20, at.x + kFace.width, at.y + 20 + kFace.height};
    canvas.FillRect(face.Deflated(-1), Brush::Solid({160, 160, 160}));
    canvas.FillRect(face, Brush::Solid(kPaper));
    const auto plain = [](Canvas& c, const Rect& part, bool) { c.FillRect(part, Brush::Solid(kBackColour)); };
    GradientBackground(canvas, face, SplitInput(cell, face), fast ? FastPrimitives::Allowed : FastPrimitives::Avoid,
                       plain);
}

void DrawGallery(Canvas& canvas, Size size) {
    canvas.FillRect({0, 0, size.width, size.height}, Brush::Solid(kPaper));
    Label(canvas, u"Gradient styles: each cell through GradientFill, then the fallback",
          {8, 0, size.width, kHeaderHeight});
    int y = kHeaderHeight;
    for (const Row& row : kRows) {
        Label(canvas, Wide(row.title), {8, y + 20, kLabelWidth, y + 20 + kFace.height});
        const auto& cells = row.xp ? kStateCells : kVariantCells;
        int x = kLabelWidth;
        for (const Cell& cell : cells) {
            for (bool fast : {true, false}) {
                DrawCell(canvas, row, cell, fast, {x, y});
                x += kCellWidth;
            }
        }
        y += kCellHeight;
    }
    Label(canvas, u"Split, menu dropped", {8, y + 20, kLabelWidth, y + 20 + kFace.height});
    int x = kLabelWidth;
    for (const SplitCell& cell : kSplitCells) {
        for (bool fast : {true, false}) {
            DrawSplitCell(canvas, cell, fast, {x, y});
            x += kCellWidth;
        }
    }
}

// The surface's pixels, read back through its DIB section.
RgbImage ReadBack(const Surface& surface) {
    RgbImage image;
    const Size size = surface.size();
    image.width = size.width;
    image.height = size.height;
    const auto* device = dynamic_cast<const win::GdiDevice*>(&surface);
    if (device == nullptr) return {};
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), size.width, -size.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> quads(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
    HBITMAP bitmap = static_cast<HBITMAP>(::GetCurrentObject(device->dc(), OBJ_BITMAP));
    if (!::GetDIBits(device->dc(), bitmap, 0, static_cast<UINT>(size.height), quads.data(), &info, DIB_RGB_COLORS))
        return {};
    image.pixels.reserve(quads.size() * 3);
    for (const RGBQUAD& q : quads) image.pixels.insert(image.pixels.end(), {q.rgbRed, q.rgbGreen, q.rgbBlue});
    return image;
}

}  // namespace
}  // namespace brixel::tools

namespace {

// Draws into a surface of `size` in the dialog font, its height scaled from
// 96 dpi to `dpi`, and writes it as a PNG.
template <typename Draw>
bool RenderPng(const brixel::win::Msimg32& msimg32, brixel::Size size, const std::wstring& path, Draw draw,
               int dpi = brixel::kDesignDpi) {
    using namespace brixel;
    win::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    win::GdiCanvas root(dc.get(), &msimg32);
    auto surface = root.CreateSurface(size, SurfaceFormat::Colour);
    if (!surface) {
        std::fprintf(stderr, "cannot create a %dx%d surface\n", size.width, size.height);
        return false;
    }
    {
        // The labels in the dialog font rather than the DC's bitmap font.
        HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
        win::UniqueFont scaled;
        if (dpi != kDesignDpi) {
            LOGFONTW lf{};
            ::GetObjectW(font, sizeof lf, &lf);
            lf.lfHeight = ScaleForDpi(lf.lfHeight, dpi);
            lf.lfWidth = 0;
            scaled.reset(::CreateFontIndirectW(&lf));
            if (scaled) font = scaled.get();
        }
        win::SelectScope selected(dynamic_cast<const win::GdiDevice&>(*surface).dc(), font);
        draw(*surface, win::ToFontRef(font));
    }
    if (!tools::WritePng(tools::ReadBack(*surface), path)) {
        std::fwprintf(stderr, L"cannot write %ls\n", path.c_str());
        return false;
    }
    wchar_t full[MAX_PATH];
    const DWORD n = ::GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    std::wprintf(L"%ls\n", n > 0 && n < MAX_PATH ? full : path.c_str());
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace brixel;
    const std::wstring gradients = argc > 1 ? argv[1] : L"gallery.png";
    const std::wstring faces = argc > 2 ? argv[2] : L"faces.png";
    // The same faces as a 144 dpi screen shows them.
    const std::wstring faces_144 = argc > 3 ? argv[3] : L"";
    const win::Msimg32 msimg32 = win::Msimg32::Load();
    if (msimg32.gradient_fill() == nullptr) {
        std::fprintf(stderr, "msimg32 GradientFill missing: both columns fall back\n");
    }
    const Size gradient_size{tools::kLabelWidth + 8 * tools::kCellWidth,
                             tools::kHeaderHeight + static_cast<int>(std::size(tools::kRows) + 1) * tools::kCellHeight};
    const bool fast = msimg32.gradient_fill() != nullptr && msimg32.alpha_blend() != nullptr;
    const bool ok =
        RenderPng(msimg32, gradient_size, gradients,
                  [&](Canvas& canvas, FontRef) { tools::DrawGallery(canvas, gradient_size); }) &&
        RenderPng(msimg32, tools::FaceGallerySize(), faces,
                  [&](Canvas& canvas, FontRef font) { tools::DrawFaceGallery(canvas, font, fast); });
    constexpr int kDenseDpi = 144;
    const bool dense_ok =
        faces_144.empty() ||
        RenderPng(
            msimg32, tools::FaceGallerySize(kDenseDpi), faces_144,
            [&](Canvas& canvas, FontRef font) { tools::DrawFaceGallery(canvas, font, fast, kDenseDpi); }, kDenseDpi);
    return ok && dense_ok ? 0 : 1;
}
