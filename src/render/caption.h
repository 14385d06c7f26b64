// The caption: the state font and colour, margins, alignment, word wrap, the
// underlined hyperlink form and the embossed caption of a disabled 3D face.
#pragma once

#include "render/canvas.h"
#include "render/paint_model.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace brixel {

// How the caption will be drawn, decided before anything is drawn.
struct CaptionPlan {
    bool draw = false;       // false: no room, or nothing to show
    std::u16string text;     // what is drawn (a leading blank in the Arial case)
    std::u16string plain;    // the text without that blank (the embossed form)
    bool hyperlink = false;  // drawn in the underlined state font
    StateVariant variant = StateVariant::Normal;  // whose font and colour
    FontRef font;            // the state font
    Rgb colour{};            // the state font colour
    Rect box;                // the caption rectangle: the given one less the margins
    std::uint32_t format = 0;  // horizontal and vertical placement, prefix handling
    bool wrap = false;
    bool embossed = false;   // a disabled 3D face
    std::int16_t h_alignment = kvnHCenter;
};

// Small Arial pulls a leading "W" against the left edge; such a caption is
// drawn with a blank in front and its left margin 2 pixels smaller. The
// font's height is that at `dpi`; the rule names its 96 dpi heights.
bool GetTheFontSpecialCase(const FontDescription& font, std::u16string_view text, std::int16_t h_alignment,
                           int dpi = kDesignDpi);

// On a split button, the margin next to the menu part leaves no room in the
// main part (`main_part` is the rectangle the caption was given).
bool SplitSideLeavesNoRoom(const Rect& main_part, const Rect& caption_box, bool menu_on_left);

// The caption under the model's caption rules.
CaptionPlan PlanCaption(const Canvas& canvas, const Rect& rect, const PaintModel& m);

// The Windows Forms caption: the text rectangle is `rect` less the margins,
// with the right margin 2 and the bottom margin 1 pixel smaller for the
// right column and the bottom row, and small Arial "W"s kept off the edge.
// Wrapped or not, the text is placed by both alignments.
CaptionPlan PlanWindowsFormsCaption(const Rect& rect, const PaintModel& m);

// How many pixels the Windows Forms caption moves off the left and right
// edges for a small Arial "W" against them.
struct ArialWInset {
    int left = 0, right = 0;
};
ArialWInset WindowsFormsArialInset(const FontDesc& font, std::u16string_view text, std::int16_t h_alignment);

// Draws what PlanCaption decided.
void DrawCaptionPlan(Canvas& canvas, const CaptionPlan& plan, const PaintModel& m);

// The state font with the underline set; null when the backend cannot make
// one (the caption is then drawn in the plain state font).
std::unique_ptr<OwnedFont> SetUnderlinedFont(const Canvas& canvas, FontRef state_font);

// The caption of the face in `rect` (the main part on a split button). Named
// apart from the platform's text routine of the same purpose.
void DrawButtonCaption(Canvas& canvas, const Rect& rect, const PaintModel& m);

// Where a word-wrapped block of `measured_height` sits in `box`: centred
// vertically, whatever CaptionVAlignment says.
Rect CentredWrapBox(const Rect& box, int measured_height);

// Word-wrapped text centred vertically in `box` and clipped to it.
void DrawWrappedText(Canvas& canvas, std::u16string_view text, FontRef font, Rgb colour, const Rect& box,
                     std::uint32_t format);
// The same text etched: highlight one pixel right and down, shadow in place.
void DrawDisabledWrappedText(Canvas& canvas, std::u16string_view text, FontRef font, const Rect& box,
                             std::uint32_t format, const PaintModel& m);

// The single-line embossed caption's origin: always centred vertically, and
// placed horizontally by CaptionHAlignment. `text` is the measured extent.
Point EmbossedTextOrigin(const Rect& box, Size text, std::int16_t h_alignment);

}  // namespace brixel
