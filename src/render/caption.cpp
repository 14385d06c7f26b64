#include "render/caption.h"

#include "core/ascii.h"
#include "core/small_arial.h"
#include "core/text_fields.h"

#include <array>

namespace brixel {
namespace {

struct AlignmentFlag {
    std::int16_t value;
    std::uint32_t flag;
};

// Unknown stored values fall to the first row's placement (left, top).
constexpr std::array<AlignmentFlag, 3> kHorizontal{{
    {kvnLeftJustify, kTextLeft},
    {kvnRightJustify, kTextRight},
    {kvnHCenter, kTextCenter},
}};
constexpr std::array<AlignmentFlag, 3> kVertical{{
    {kvnTopJustify, kTextTop},
    {kvnBottomJustify, kTextBottom},
    {kvnVCenter, kTextVCenter},
}};

template <std::size_t N>
std::uint32_t FlagFor(const std::array<AlignmentFlag, N>& table, std::int16_t value) {
    for (const AlignmentFlag& entry : table)
        if (entry.value == value) return entry.flag;
    return table[0].flag;
}

// HyperlinkAddress replaces the caption when the hyperlink is shown.
bool ShowsHyperlink(const ButtonProperties& p) {
    return p.Hyperlink && p.ShowHyperlink && !p.HyperlinkAddress.empty();
}

struct Margins {
    int left, top, right, bottom;
};

Margins CaptionMargins(const ButtonProperties& p) {
    return {ParseIndexData(p.CaptionMargins, 0), ParseIndexData(p.CaptionMargins, 1),
            ParseIndexData(p.CaptionMargins, 2), ParseIndexData(p.CaptionMargins, 3)};
}

std::uint32_t CaptionFormat(const ButtonProperties& p, bool hyperlink) {
    std::uint32_t format = FlagFor(kHorizontal, p.CaptionHAlignment);
    // A wrapped block is centred by DrawWrappedText, not by the vertical alignment.
    format |= p.CaptionWrap ? kTextWordBreak : (kTextSingleLine | FlagFor(kVertical, p.CaptionVAlignment));
    // An address is shown as it is: "&" in a query must not turn into a mnemonic.
    if (hyperlink) format |= kTextNoPrefix;
    return format;
}

void DrawEmbossedLine(Canvas& canvas, const CaptionPlan& plan, FontRef font) {
    // Measured as the embossed rendering draws it: with mnemonic prefixes.
    const Rect extent = canvas.MeasureText(plan.plain, font, plan.box, kTextSingleLine);
    const Point origin = EmbossedTextOrigin(plan.box, {extent.Width(), extent.Height()}, plan.h_alignment);
    canvas.DrawDisabledText(plan.plain, font, origin);
}

}  // namespace

bool GetTheFontSpecialCase(const FontDescription& font, std::u16string_view text, std::int16_t h_alignment,
                           int dpi) {
    if (text.empty() || text.front() != u'W' || h_alignment != kvnLeftJustify) return false;
    return IsSmallArial(font.face, font.italic, font.weight, font.height, dpi);
}

bool SplitSideLeavesNoRoom(const Rect& main_part, const Rect& caption_box, bool menu_on_left) {
    // The margin on the menu side is wider than the main part itself.
    if (menu_on_left) return main_part.right - caption_box.left < 0;
    return caption_box.right - main_part.left < 0;
}

ArialWInset WindowsFormsArialInset(const FontDesc& font, std::u16string_view text, std::int16_t h_alignment) {
    // The face name is compared exactly, as the Windows Forms control does.
    if (font.face != u"Arial" || font.italic || text.empty()) return {};
    constexpr std::int64_t k825 = 82500, k9 = 9 * kFontSizeUnitsPerPoint;
    const bool bold = font.weight >= 700;
    if (h_alignment == kvnLeftJustify && text.front() == u'W' && (font.size == k825 || (font.size == k9 && bold)))
        return {1, 0};
    if (h_alignment == kvnRightJustify && text.back() == u'W' && font.size == k825) return {0, 1};
    return {};
}

CaptionPlan PlanWindowsFormsCaption(const Rect& rect, const PaintModel& m) {
    const ButtonProperties& p = m.props;
    const CaptionStyle style = SelectCaption(p, m.state);
    CaptionPlan plan;
    plan.hyperlink = ShowsHyperlink(p);
    plan.plain = plan.hyperlink ? p.HyperlinkAddress : p.Caption;
    plan.text = plan.plain;
    plan.variant = style.variant;
    plan.font = FontFor(m, style.variant);
    plan.colour = Resolve(m, style.colour);
    plan.wrap = p.CaptionWrap;
    plan.h_alignment = p.CaptionHAlignment;
    plan.format = FlagFor(kHorizontal, p.CaptionHAlignment) | FlagFor(kVertical, p.CaptionVAlignment) |
                  (p.CaptionWrap ? kTextWordBreak : 0u) | (plan.hyperlink ? kTextNoPrefix : 0u);

    Margins margins = CaptionMargins(p);
    if (p.CaptionHAlignment == kvnRightJustify) margins.right -= Px(m, 2);
    if (p.CaptionVAlignment == kvnBottomJustify) margins.bottom -= Px(m, 1);
    const ArialWInset inset = WindowsFormsArialInset(style.font, plan.plain, p.CaptionHAlignment);
    margins.left += Px(m, inset.left);
    margins.right += Px(m, inset.right);
    plan.box = {rect.left + margins.left, rect.top + margins.top, rect.right - margins.right,
                rect.bottom - margins.bottom};
    plan.draw = plan.box.Width() > 0 && plan.box.Height() > 0 && !plan.plain.empty();
    return plan;
}

CaptionPlan PlanCaption(const Canvas& canvas, const Rect& rect, const PaintModel& m) {
    if (m.caption_rules == CaptionRules::WindowsForms) return PlanWindowsFormsCaption(rect, m);
    const ButtonProperties& p = m.props;
    const CaptionStyle style = SelectCaption(p, m.state);
    CaptionPlan plan;
    plan.hyperlink = ShowsHyperlink(p);
    plan.variant = style.variant;
    plan.plain = plan.hyperlink ? p.HyperlinkAddress : p.Caption;
    plan.font = FontFor(m, style.variant);
    plan.colour = Resolve(m, style.colour);
    plan.wrap = p.CaptionWrap;
    plan.embossed = !p.Enabled && p.Appearance == kvn3D;
    plan.h_alignment = p.CaptionHAlignment;
    plan.format = CaptionFormat(p, plan.hyperlink);

    Margins margins = CaptionMargins(p);
    const bool special = GetTheFontSpecialCase(canvas.DescribeFont(plan.font), plan.plain, p.CaptionHAlignment, m.dpi);
    if (special) margins.left -= Px(m, 2);
    plan.text = special ? u" " + plan.plain : plan.plain;
    plan.box = {rect.left + margins.left, rect.top + margins.top, rect.right - margins.right,
                rect.bottom - margins.bottom};

    if (IsSplitButton(m) && SplitSideLeavesNoRoom(rect, plan.box, MenuPartOnLeft(p))) return plan;
    // Margins larger than the face leave an inverted box: nothing can show in it.
    plan.draw = !plan.box.IsEmpty() && !plan.plain.empty();
    return plan;
}

std::unique_ptr<OwnedFont> SetUnderlinedFont(const Canvas& canvas, FontRef state_font) {
    return canvas.CreateUnderlinedFont(state_font);
}

void DrawButtonCaption(Canvas& canvas, const Rect& rect, const PaintModel& m) {
    DrawCaptionPlan(canvas, PlanCaption(canvas, rect, m), m);
}

void DrawCaptionPlan(Canvas& canvas, const CaptionPlan& plan, const PaintModel& m) {
    if (!plan.draw) return;
    // The underlined font lives exactly as long as this caption pass.
    const std::unique_ptr<OwnedFont> underlined = plan.hyperlink ? SetUnderlinedFont(canvas, plan.font) : nullptr;
    const FontRef font = underlined ? underlined->ref() : plan.font;
    if (m.caption_rules == CaptionRules::WindowsForms) {
        // Laid out text stays inside its rectangle, as System.Drawing clips it.
        ClipScope clip(canvas, plan.box);
        canvas.DrawText(plan.text, font, plan.colour, plan.box, plan.format);
    } else if (plan.embossed) {
        if (plan.wrap) {
            DrawDisabledWrappedText(canvas, plan.plain, font, plan.box, plan.format, m);
        } else {
            DrawEmbossedLine(canvas, plan, font);
        }
    } else if (plan.wrap) {
        DrawWrappedText(canvas, plan.text, font, plan.colour, plan.box, plan.format);
    } else {
        canvas.DrawText(plan.text, font, plan.colour, plan.box, plan.format);
    }
}

Rect CentredWrapBox(const Rect& box, int measured_height) {
    const int top = box.top + (box.Height() - measured_height) / 2;
    return {box.left, top, box.right, top + measured_height};
}

void DrawWrappedText(Canvas& canvas, std::u16string_view text, FontRef font, Rgb colour, const Rect& box,
                     std::uint32_t format) {
    const Rect measured = canvas.MeasureText(text, font, box, format);
    const Rect block = CentredWrapBox(box, measured.Height());
    // A block taller than the box would spill over the margins.
    ClipScope clip(canvas, box);
    canvas.DrawText(text, font, colour, block, format);
}

void DrawDisabledWrappedText(Canvas& canvas, std::u16string_view text, FontRef font, const Rect& box,
                             std::uint32_t format, const PaintModel& m) {
    DrawWrappedText(canvas, text, font, SystemColour(m, kColourBtnHighlight), box.Offset(1, 1), format);
    DrawWrappedText(canvas, text, font, SystemColour(m, kColourBtnShadow), box, format);
}

Point EmbossedTextOrigin(const Rect& box, Size text, std::int16_t h_alignment) {
    const int y = box.top + (box.Height() - text.height) / 2;
    switch (FlagFor(kHorizontal, h_alignment)) {
        case kTextRight: return {box.right - text.width, y};
        case kTextCenter: return {box.left + (box.Width() - text.width) / 2, y};
        default: return {box.left, y};
    }
}

}  // namespace brixel
