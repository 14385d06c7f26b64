#include "instance/accessibility.h"

#include "core/enums.h"
#include "core/mnemonic.h"
#include "render/menu_part.h"

namespace brixel {
namespace {

bool IsSplit(const ButtonProperties& p) {
    return p.Menu && p.MenuButtonStyle != kvnMenuButtonStyleDropDown;
}

bool IsDropDownOnly(const ButtonProperties& p) {
    return p.Menu && p.MenuButtonStyle == kvnMenuButtonStyleDropDown;
}

bool Contains(const Rect& r, Point p) { return p.x >= r.left && p.y >= r.top && p.x < r.right && p.y < r.bottom; }

}  // namespace

std::u16string CaptionWithoutMnemonic(std::u16string_view caption) {
    std::u16string out;
    out.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        // A prefix at the very end marks nothing and draws nothing.
        if (caption[i] == u'&') {
            if (i + 1 >= caption.size()) break;
            ++i;
        }
        out.push_back(caption[i]);
    }
    return out;
}

std::u16string MnemonicShortcutText(std::u16string_view caption) {
    const auto mnemonic = MnemonicOf(caption);
    if (!mnemonic) return {};
    char16_t c = *mnemonic;
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return std::u16string(u"Alt+") + c;
}

int AccessibleChildCount(const ButtonProperties& p) { return IsSplit(p) ? 2 : 0; }

std::u16string_view AccessibleActionText(AccessibleAction action) {
    switch (action) {
        case AccessibleAction::Press: return u"Press";
        case AccessibleAction::Open: return u"Open";
        case AccessibleAction::None: break;
    }
    return {};
}

std::optional<AccessibleView> DescribeAccessible(const ButtonProperties& p, const AccessibleInputs& inputs,
                                                 AccessiblePart part) {
    if (part != AccessiblePart::Whole && !IsSplit(p)) return std::nullopt;
    const InteractionState& s = inputs.state;
    AccessibleView v;
    v.name = CaptionWithoutMnemonic(p.Caption);
    v.keyboard_shortcut = MnemonicShortcutText(p.Caption);
    v.description = p.ToolTipText;
    const bool available = p.Enabled && p.Active;
    v.states.unavailable = !available;
    v.states.focusable = available;
    v.states.focused = available && inputs.focused;
    v.states.hot = s.mouse_in;
    v.states.has_popup = p.Menu;
    v.states.expanded = p.Menu && s.menu_open;
    // A drop-down-only button is never shown pressed: its press opens the menu.
    v.states.pressed = !IsDropDownOnly(p) && ((p.ToggleButton && s.toggled) || s.pressed);

    switch (part) {
        case AccessiblePart::Whole:
            v.role = IsSplit(p) ? AccessibleRole::SplitButton
                     : IsDropDownOnly(p) ? AccessibleRole::ButtonMenu
                                         : AccessibleRole::PushButton;
            v.action = IsDropDownOnly(p) ? AccessibleAction::Open : AccessibleAction::Press;
            break;
        case AccessiblePart::PushPart:
            v.role = AccessibleRole::PushButton;
            v.action = AccessibleAction::Press;
            v.states.has_popup = false;
            v.states.expanded = false;
            break;
        case AccessiblePart::DropPart:
            v.role = AccessibleRole::ButtonDropDown;
            v.action = AccessibleAction::Open;
            v.states.pressed = false;
            break;
    }
    if (!available) v.action = AccessibleAction::None;
    return v;
}

std::optional<Rect> AccessiblePartBounds(const ButtonProperties& p, const Rect& client, AccessiblePart part) {
    if (part == AccessiblePart::Whole) return client;
    if (!IsSplit(p)) return std::nullopt;
    const MenuSplit split = GetMenuButtonBounds(client, p);
    return part == AccessiblePart::DropPart ? split.menu : split.main;
}

std::optional<AccessiblePart> AccessiblePartAt(const ButtonProperties& p, const Rect& client, Point point) {
    if (!Contains(client, point)) return std::nullopt;
    if (!IsSplit(p)) return AccessiblePart::Whole;
    const MenuSplit split = GetMenuButtonBounds(client, p);
    if (Contains(split.menu, point)) return AccessiblePart::DropPart;
    if (Contains(split.main, point)) return AccessiblePart::PushPart;
    return AccessiblePart::Whole;
}

}  // namespace brixel
