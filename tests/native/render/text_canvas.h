// Fakes for the painting pipeline's tests: a recording canvas with simple
// text metrics (every visible character 6 pixels wide, a line 13 high, word
// breaks at blanks), and a target whose memory images forward to a canvas
// the test can still read after the image is gone.
#pragma once

#include "traced_pixel_canvas.h"
#include "recording_canvas.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace brixel::testing {

struct TextCall {
    std::string op;  // "DrawText" or "DrawDisabledText"
    std::u16string text;
    FontRef font;
    Rgb colour{};
    Rect bounds{};
    std::uint32_t format = 0;
    Point origin{};
};

// Font handles the fake underline makes are the base handle plus this.
inline constexpr std::uintptr_t kUnderlinedOffset = 1000;

class TextCanvas : public RecordingCanvas {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kLineHeight = 13;

    using RecordingCanvas::RecordingCanvas;

    std::map<std::uintptr_t, FontDescription> fonts;
    std::vector<TextCall> texts;

    // Characters shown: "&x" shows x, "&&" one ampersand, unless no prefix.
    static int VisibleLength(std::u16string_view text, std::uint32_t format) {
        if (format & kTextNoPrefix) return static_cast<int>(text.size());
        int n = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'&') ++i;
            if (i < text.size()) ++n;
        }
        return n;
    }

    // Greedy word wrap within `width`; a word wider than the line stands alone.
    static std::vector<std::u16string> Lines(std::u16string_view text, int width, std::uint32_t format) {
        if (!(format & kTextWordBreak)) return {std::u16string(text)};
        std::vector<std::u16string> lines;
        std::u16string line;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find(u' ', start);
            if (end == std::u16string_view::npos) end = text.size();
            const std::u16string word(text.substr(start, end - start));
            const std::u16string joined = line.empty() ? word : line + u" " + word;
            if (!line.empty() && VisibleLength(joined, format) * kCharWidth > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = joined;
            }
            start = end + 1;
        }
        lines.push_back(line);
        return lines;
    }

    Rect MeasureText(std::u16string_view text, FontRef, const Rect& bounds, std::uint32_t format) const override {
        int widest = 0;
        const auto lines = Lines(text, bounds.Width(), format);
        for (const auto& l : lines) widest = std::max(widest, VisibleLength(l, format) * kCharWidth);
        return {bounds.left, bounds.top, bounds.left + widest,
                bounds.top + static_cast<int>(lines.size()) * kLineHeight};
    }
    void DrawText(std::u16string_view text, FontRef font, Rgb colour, const Rect& bounds,
                  std::uint32_t format) override {
        RecordingCanvas::DrawText(text, font, colour, bounds, format);
        texts.push_back({"DrawText", std::u16string(text), font, colour, bounds, format, {}});
    }
    void DrawDisabledText(std::u16string_view text, FontRef font, Point origin) override {
        RecordingCanvas::DrawDisabledText(text, font, origin);
        texts.push_back({"DrawDisabledText", std::u16string(text), font, {}, {}, 0, origin});
    }
    FontDescription DescribeFont(FontRef font) const override {
        const auto it = fonts.find(font.value);
        return it == fonts.end() ? FontDescription{} : it->second;
    }

    class Underlined : public OwnedFont {
    public:
        explicit Underlined(FontRef ref) : ref_(ref) {}
        FontRef ref() const override { return ref_; }

    private:
        FontRef ref_;
    };
    std::unique_ptr<OwnedFont> CreateUnderlinedFont(FontRef font) const override {
        return std::make_unique<Underlined>(FontRef{font.value + kUnderlinedOffset});
    }
};

// A traced pixel canvas that also copies and blends pixels, through the real
// canvas's transfer and AlphaBlend rules.
class BlendingPixelCanvas : public TracedPixelCanvas {
public:
    BlendingPixelCanvas(int width, int height, Rgb background = kUntouched)
        : TracedPixelCanvas(width, height, background, true) {}

    void Transfer(const TransferRequest& t) override {
        RecordingCanvas::Transfer(t);
        real().Transfer(t);
    }
    void BlendConstant(const Rect& dest, const Canvas& source, Point origin, std::uint8_t alpha) override {
        RecordingCanvas::BlendConstant(dest, source, origin, alpha);
        real().BlendConstant(dest, source, origin, alpha);
    }
};

// A target whose memory images all draw on `memory`, so that what the
// pipeline composed off screen can be read after it has let the image go.
template <typename Base>
class ComposingCanvas : public Base {
public:
    template <typename... Args>
    explicit ComposingCanvas(Args... args) : Base(args...), memory(args...) {}

    mutable Base memory;
    mutable int images_created = 0;
    mutable Size last_image_size{};

    std::unique_ptr<Surface> CreateSurface(Size size, SurfaceFormat) const override {
        ++images_created;
        last_image_size = size;
        return std::make_unique<ForwardingSurface>(size, memory);
    }
};

}  // namespace brixel::testing
