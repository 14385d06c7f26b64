#include "pixel/freetype/freetype_text_service.h"

#include "core/ascii.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace brixel::pixel {

struct FreeTypeTextService::Engine {
    static constexpr std::size_t kMaxOpenFaces = 32;
    FT_Library library = nullptr;
    std::string dir;
    std::map<std::pair<std::string, int>, FT_Face> faces;  // by file and pixel size

    ~Engine() {
        for (auto& [key, face] : faces) FT_Done_Face(face);
        if (library != nullptr) FT_Done_FreeType(library);
    }

    // Null when the file cannot be opened at that size. A face returned
    // earlier stays valid until the next call.
    FT_Face Open(const std::string& file, int pixels) {
        const auto key = std::pair{file, pixels};
        if (const auto it = faces.find(key); it != faces.end()) return it->second;
        // A host that goes through many sizes must not keep a face of each.
        if (faces.size() >= kMaxOpenFaces) {
            for (auto& [held, face] : faces) FT_Done_Face(face);
            faces.clear();
        }
        FT_Face face = nullptr;
        if (FT_New_Face(library, (dir + "/" + file).c_str(), 0, &face) != 0) return nullptr;
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) != 0) {
            FT_Done_Face(face);
            return nullptr;
        }
        faces.emplace(key, face);
        return face;
    }
};

namespace {

constexpr int kDefaultHeight = -11;  // 8 pt at 96 dpi
constexpr int kBoldWeight = 600;
constexpr std::uintptr_t kDerivedBase = std::uintptr_t{0xF0000000u};

// The Liberation file standing in for a face: serif and monospaced faces
// by name, everything else sans.
std::string FileFor(const FontDescription& d) {
    std::string family = "Sans";
    if (EqualsIgnoringAsciiCase(d.face, u"Times New Roman") || EqualsIgnoringAsciiCase(d.face, u"Times")) family = "Serif";
    if (EqualsIgnoringAsciiCase(d.face, u"Courier New") || EqualsIgnoringAsciiCase(d.face, u"Courier")) family = "Mono";
    const bool bold = d.weight >= kBoldWeight;
    const char* style = bold ? (d.italic ? "BoldItalic" : "Bold") : (d.italic ? "Italic" : "Regular");
    return "Liberation" + family + "-" + style + ".ttf";
}

// One laid-out line: the characters shown and which one carries the
// mnemonic underline (-1: none).
struct Line {
    std::u16string chars;
    int mnemonic = -1;
};

// "&x" shows x underlined (the last such one counts), "&&" one ampersand;
// a lone "&" at the end shows nothing.
Line StripPrefixes(std::u16string_view text, bool prefixes) {
    Line out;
    if (!prefixes) {
        out.chars.assign(text);
        return out;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out.chars.push_back(text[i]);
            continue;
        }
        if (++i >= text.size()) break;
        if (text[i] != u'&') out.mnemonic = static_cast<int>(out.chars.size());
        out.chars.push_back(text[i]);
    }
    return out;
}

struct FontMetrics {
    int ascent = 0, descent = 0;
    int underline_top = 0, underline_thickness = 1;  // below the baseline
};

FontMetrics MetricsOf(FT_Face face) {
    FontMetrics m;
    m.ascent = static_cast<int>((face->size->metrics.ascender + 63) / 64);
    m.descent = static_cast<int>((-face->size->metrics.descender + 63) / 64);
    const long scale = face->size->metrics.y_scale;
    m.underline_thickness = std::max(1, static_cast<int>((FT_MulFix(face->underline_thickness, scale) + 32) / 64));
    const int centre = static_cast<int>((-FT_MulFix(face->underline_position, scale) + 32) / 64);
    m.underline_top = std::max(1, centre - m.underline_thickness / 2);
    return m;
}

int Advance(FT_Face face, char16_t c) {
    if (FT_Load_Char(face, c, FT_LOAD_DEFAULT) != 0) return 0;
    return static_cast<int>((face->glyph->advance.x + 32) / 64);
}

int LineWidth(FT_Face face, std::u16string_view chars) {
    int width = 0;
    for (char16_t c : chars) width += Advance(face, c);
    return width;
}

// Greedy breaking at blanks within `width`; a word wider than the line
// stands alone on it. Explicit line breaks always end a line.
std::vector<Line> BreakLines(FT_Face face, const Line& all, int width, bool word_break) {
    std::vector<Line> lines(1);
    int word_start = -1;
    const auto append = [&lines](const Line& from, std::size_t i) {
        if (from.mnemonic == static_cast<int>(i)) lines.back().mnemonic = static_cast<int>(lines.back().chars.size());
        lines.back().chars.push_back(from.chars[i]);
    };
    for (std::size_t i = 0; i < all.chars.size(); ++i) {
        const char16_t c = all.chars[i];
        if (c == u'\r') continue;
        if (c == u'\n') {
            lines.emplace_back();
            continue;
        }
        append(all, i);
        if (c == u' ') {
            word_start = -1;
            continue;
        }
        if (word_start < 0) word_start = static_cast<int>(lines.back().chars.size()) - 1;
        if (!word_break || LineWidth(face, lines.back().chars) <= width || word_start == 0) continue;
        // Move the word that does not fit to a new line, dropping the blanks before it.
        Line next;
        Line& current = lines.back();
        next.chars = current.chars.substr(static_cast<std::size_t>(word_start));
        if (current.mnemonic >= word_start) next.mnemonic = current.mnemonic - word_start, current.mnemonic = -1;
        current.chars.resize(static_cast<std::size_t>(word_start));
        while (!current.chars.empty() && current.chars.back() == u' ') current.chars.pop_back();
        lines.push_back(std::move(next));
        word_start = 0;
    }
    return lines;
}

}  // namespace

// --- The service ------------------------------------------------------------------

class FreeTypeTextService::Derived final : public OwnedFont {
public:
    Derived(FreeTypeTextService& service, std::uintptr_t value) : service_(service), value_(value) {}
    ~Derived() override { service_.Forget(value_); }
    FontRef ref() const override { return FontRef{value_}; }

private:
    FreeTypeTextService& service_;
    std::uintptr_t value_;
};

std::unique_ptr<FreeTypeTextService> FreeTypeTextService::Create(const std::string& font_dir) {
    auto engine = std::make_unique<Engine>();
    engine->dir = font_dir.empty() ? std::string(BRIXEL_FONT_DIR) : font_dir;
    if (FT_Init_FreeType(&engine->library) != 0) return nullptr;
    if (engine->Open(FileFor({u"Arial", kDefaultHeight}), -kDefaultHeight) == nullptr) return nullptr;
    return std::unique_ptr<FreeTypeTextService>(new FreeTypeTextService(std::move(engine)));
}

FreeTypeTextService::FreeTypeTextService(std::unique_ptr<Engine> engine) : engine_(std::move(engine)) {}
FreeTypeTextService::~FreeTypeTextService() = default;

void FreeTypeTextService::DefineFont(FontRef ref, const FontDescription& font) { fonts_[ref.value] = font; }

FontDescription FreeTypeTextService::Describe(FontRef font) const {
    const auto it = fonts_.find(font.value);
    if (it != fonts_.end()) return it->second;
    FontDescription d;
    d.face = u"Arial";
    d.height = kDefaultHeight;
    return d;
}

std::unique_ptr<OwnedFont> FreeTypeTextService::CreateUnderlined(FontRef font) {
    FontDescription d = Describe(font);
    d.underline = true;
    const std::uintptr_t value = kDerivedBase + next_derived_++;
    fonts_[value] = d;
    return std::make_unique<Derived>(*this, value);
}

namespace {

// Glyphs larger than this are drawn at this size: a glyph's bitmap is the
// square of its size, and a stored font of thousands of points must not
// take seconds and hundreds of megabytes per character.
constexpr long kMaxEmPixels = 2048;

// A negative height is the em size in pixels; a positive one the cell
// height, ascent plus descent.
int EmPixels(FT_Face probe, int height) {
    if (height < 0) return static_cast<int>(std::min<long>(-static_cast<long>(height), kMaxEmPixels));
    if (height == 0) return -kDefaultHeight;
    const long cell = probe->ascender - probe->descender;
    const long em = (static_cast<long>(height) * probe->units_per_EM + cell / 2) / cell;
    return static_cast<int>(std::clamp<long>(em, 1, kMaxEmPixels));
}

}  // namespace

namespace {

struct Layout {
    FT_Face face = nullptr;
    FontMetrics metrics;
    bool underline = false;
    std::vector<Line> lines;
};

Layout LayOut(FreeTypeTextService::Engine& engine, const FontDescription& d, std::u16string_view text,
                     const Rect& bounds, std::uint32_t format) {
    Layout out;
    FT_Face probe = engine.Open(FileFor(d), -kDefaultHeight);
    if (probe == nullptr) return out;
    out.face = engine.Open(FileFor(d), EmPixels(probe, d.height));
    if (out.face == nullptr) return out;
    out.metrics = MetricsOf(out.face);
    out.underline = d.underline;
    const Line all = StripPrefixes(text, !(format & kTextNoPrefix));
    if (format & kTextSingleLine) {
        Line one = all;
        std::erase_if(one.chars, [](char16_t c) { return c == u'\r' || c == u'\n'; });
        out.lines.push_back(std::move(one));
    } else {
        out.lines = BreakLines(out.face, all, bounds.Width(), (format & kTextWordBreak) != 0);
    }
    return out;
}

}  // namespace

Rect FreeTypeTextService::Measure(std::u16string_view text, FontRef font, const Rect& bounds,
                                  std::uint32_t format) const {
    const Layout l = LayOut(*engine_, Describe(font), text, bounds, format);
    if (l.face == nullptr) return {bounds.left, bounds.top, bounds.left, bounds.top};
    int widest = 0;
    for (const Line& line : l.lines) widest = std::max(widest, LineWidth(l.face, line.chars));
    const int height = (l.metrics.ascent + l.metrics.descent) * static_cast<int>(l.lines.size());
    return {bounds.left, bounds.top, bounds.left + widest, bounds.top + height};
}

namespace {

void FillCoverage(const CoverageSink& sink, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) sink(x, y, 255);
}

// One line with its top left at (x, top). Only glyphs that can reach
// `visible` are rendered: what lies outside is clipped away in any case.
void RenderLine(const Layout& l, const Line& line, int x, int top, const Rect& visible, const CoverageSink& sink) {
    const int baseline = top + l.metrics.ascent;
    const int under_top = baseline + l.metrics.underline_top;
    const int under_bottom = under_top + l.metrics.underline_thickness;
    const int start = x;
    // A glyph's ink may overhang its advance; by less than its em size.
    const int reach = l.face->size != nullptr ? l.face->size->metrics.x_ppem : 0;
    for (std::size_t i = 0; i < line.chars.size() && x - reach < visible.right; ++i) {
        if (FT_Load_Char(l.face, line.chars[i], FT_LOAD_DEFAULT) != 0) continue;
        const FT_GlyphSlot g = l.face->glyph;
        const int advance = static_cast<int>((g->advance.x + 32) / 64);
        if (x + advance + reach <= visible.left || FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) != 0) {
            x += advance;
            continue;
        }
        const FT_Bitmap& bm = g->bitmap;
        for (unsigned row = 0; row < bm.rows; ++row)
            for (unsigned col = 0; col < bm.width; ++col) {
                const unsigned char v = bm.buffer[static_cast<long>(row) * bm.pitch + col];
                if (v != 0) sink(x + g->bitmap_left + static_cast<int>(col), baseline - g->bitmap_top + static_cast<int>(row), v);
            }
        if (static_cast<int>(i) == line.mnemonic) FillCoverage(sink, x, under_top, x + advance, under_bottom);
        x += advance;
    }
    if (l.underline) FillCoverage(sink, start, under_top, x, under_bottom);
}

}  // namespace

// Horizontal placement per line. Vertically one line is placed as the
// platform's formatted text drawing places it; several lines are placed as a
// block only where the format asks for it without the single-line flag (the
// Windows Forms caption, laid out as System.Drawing lays text out).
void FreeTypeTextService::Render(std::u16string_view text, FontRef font, const Rect& bounds, std::uint32_t format,
                                 const CoverageSink& sink) const {
    const Layout l = LayOut(*engine_, Describe(font), text, bounds, format);
    if (l.face == nullptr) return;
    const int line_height = l.metrics.ascent + l.metrics.descent;
    int y = bounds.top;
    if (format & kTextSingleLine) {
        if (format & kTextVCenter) y = bounds.top + bounds.Height() / 2 - line_height / 2;
        if (format & kTextBottom) y = bounds.bottom - line_height;
    } else {
        const long block = static_cast<long>(line_height) * static_cast<long>(l.lines.size());
        if (format & kTextVCenter) y = static_cast<int>(bounds.top + (bounds.Height() - block) / 2);
        if (format & kTextBottom) y = static_cast<int>(bounds.bottom - block);
    }
    for (const Line& line : l.lines) {
        if (y >= bounds.bottom) break;  // lines below the box would be clipped away
        if (y + line_height > bounds.top) {
            const int width = LineWidth(l.face, line.chars);
            int x = bounds.left;
            if (format & kTextCenter) x = (bounds.left + bounds.right - width) / 2;
            if (format & kTextRight) x = bounds.right - width;
            RenderLine(l, line, x, y, bounds, sink);
        }
        y += line_height;
    }
}

}  // namespace brixel::pixel
