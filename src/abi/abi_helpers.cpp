// What a host needs without a button: the popup's arithmetic and rows,
// shortcut texts and the hyperlink check.
#include "abi/abi_objects.h"

#include "core/hyperlink.h"
#include "menu/menu_messages.h"
#include "menu/forms_shortcuts.h"
#include "menu/popup_layout.h"
#include "menu/shortcut_table.h"
#include "pixel/pixel_canvas.h"
#include "render/menu_entry.h"

#include <cstdint>
#include <vector>

using namespace brixel;
using namespace brixel::abi;

namespace {

// The highest shortcut code of the table.
constexpr std::int32_t kLastShortcutCode = 79;

}  // namespace

extern "C" {

brixel_status BRIXEL_CALL brixel_popup_place(const brixel_popup_input* input, brixel_popup_placement* placement) {
    return Guarded([&]() -> brixel_status {
        if (input == nullptr || placement == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (!SizeFits(input) || !SizeFits(placement)) return BRIXEL_E_BAD_SIZE;
        PlacementInput in;
        in.alignment = static_cast<std::int16_t>(input->alignment == kvnMenuAlignmentRight ? kvnMenuAlignmentRight
                                                                                          : kvnMenuAlignmentLeft);
        in.window = MenuRect{input->window.left, input->window.top, input->window.right, input->window.bottom};
        in.screen_width = input->screen_width;
        in.screen_height = input->screen_height;
        in.popup_width = input->popup_width;
        in.menu_height = input->menu_height;
        in.sidebar = input->sidebar != 0;
        const PopupPlacement out = PlacePopup(in);
        placement->x = out.x;
        placement->y = out.y;
        placement->h_align = static_cast<std::int32_t>(out.h);
        placement->v_align = static_cast<std::int32_t>(out.v);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_popup_width_estimate_dpi(const int32_t* text_widths, int32_t count, int32_t sidebar,
                                                          int32_t dpi, int32_t* width) {
    return Guarded([&]() -> brixel_status {
        if (width == nullptr || (text_widths == nullptr && count > 0)) return BRIXEL_E_NULL_ARGUMENT;
        if (count < 0) return BRIXEL_E_INVALID_ARGUMENT;
        const std::vector<int> widths(text_widths, text_widths + count);
        *width = PopupWidthEstimate(widths, sidebar != 0, dpi);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_popup_width_estimate(const int32_t* text_widths, int32_t count, int32_t sidebar,
                                                      int32_t* width) {
    return brixel_popup_width_estimate_dpi(text_widths, count, sidebar, kDesignDpi, width);
}

brixel_status BRIXEL_CALL brixel_menu_row_size_dpi(int32_t text_width, int32_t text_height, int32_t separator,
                                                   int32_t dpi, int32_t* width, int32_t* height) {
    return Guarded([&]() -> brixel_status {
        if (width == nullptr || height == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        *width = RowWidth(text_width, dpi);
        *height = RowHeight(separator != 0, text_height, dpi);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_menu_row_size(int32_t text_width, int32_t text_height, int32_t separator, int32_t* width,
                                               int32_t* height) {
    return brixel_menu_row_size_dpi(text_width, text_height, separator, kDesignDpi, width, height);
}

brixel_status BRIXEL_CALL brixel_scale_for_dpi(int32_t pixels, int32_t dpi, int32_t* scaled) {
    return Guarded([&]() -> brixel_status {
        if (scaled == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        const long long wide = static_cast<long long>(pixels) * (dpi > 0 ? dpi : kDesignDpi) / kDesignDpi;
        if (wide >= INT32_MAX || wide <= INT32_MIN) return BRIXEL_E_INVALID_ARGUMENT;
        *scaled = ScaleForDpi(pixels, dpi);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_menu_paint_row(const brixel_menu_row* given, const brixel_text_service* service,
                                                void* pixels, int32_t width, int32_t height, int32_t stride) {
    return Guarded([&]() -> brixel_status {
        if (given == nullptr || pixels == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (!SizeFits(given)) return BRIXEL_E_BAD_SIZE;
        // A caller of the first version knows no dpi: its rows are 96 dpi rows.
        const brixel_menu_row widened = Widened(*given, brixel_menu_row BRIXEL_MENU_ROW_INIT);
        const brixel_menu_row* row = &widened;
        const int dpi = row->dpi > 0 ? row->dpi : kDesignDpi;
        if (service != nullptr && !SizeFits(service)) return BRIXEL_E_BAD_SIZE;
        if (width <= 0 || height <= 0 || width > 32767 || height > 32767 ||
            static_cast<std::int64_t>(stride) < static_cast<std::int64_t>(width) * 4)
            return BRIXEL_E_INVALID_ARGUMENT;
        if (row->font != nullptr && !SizeFits(row->font)) return BRIXEL_E_BAD_SIZE;
        if (row->picture != nullptr && !IsLiveHandle(row->picture, HandleKind::Picture)) return BRIXEL_E_BAD_HANDLE;

        TextAdapter text;
        text.SetCallbacks(service);
        text.SetDpi(dpi);
        constexpr FontRef kRowFont{1};
        const FontDesc font = row->font != nullptr ? ToFontDesc(*row->font) : FontDesc{};
        text.Define(kRowFont, font);

        MenuEntryModel m;
        m.dpi = dpi;
        m.caption = FromUtf16(row->caption, row->caption_length);
        m.shortcut = FromUtf16(row->shortcut, row->shortcut_length);
        m.separator = row->separator != 0;
        m.enabled = row->enabled != 0;
        m.sidebar = row->sidebar != 0;
        m.right_to_left = row->right_to_left != 0;
        m.leading_space = NeedsLeadingSpace(font, PixelHeight(font, dpi), m.caption, dpi);
        m.font = kRowFont;
        m.picture_transparent = FromRgbWord(row->picture_transparent);
        const SharedPicture picture = row->picture != nullptr ? SharedPicture(row->picture->picture) : SharedPicture();
        if (const AbiPicture* p = AsAbiPicture(picture); p != nullptr && p->HasImage()) m.picture = p->Ref();
        m.colours.back = FromRgbWord(row->back);
        m.colours.sidebar = FromRgbWord(row->sidebar_colour);
        m.colours.separator = FromRgbWord(row->separator_colour);
        m.colours.font = FromRgbWord(row->font_colour);
        m.colours.selection_back = FromRgbWord(row->selection_back);
        m.colours.selection_font = FromRgbWord(row->selection_font);
        m.colours.grey_text = Rgb{128, 128, 128};
        m.colours.button_face = Rgb{212, 208, 200};
        m.colours.button_highlight = Rgb{255, 255, 255};
        m.colours.button_shadow = Rgb{128, 128, 128};

        const std::unique_ptr<pixel::PictureRegistry> registry = RegistryFor(std::span(&picture, 1));
        pixel::PixelEnvironment env;
        env.text = text.HasService() ? &text : nullptr;
        env.pictures = registry.get();
        pixel::PixelCanvas canvas(static_cast<pixel::Pixel*>(pixels), Size{width, height},
                                  static_cast<std::size_t>(stride), env);
        DrawMenuEntry(canvas, Rect{0, 0, width, height}, m, true, row->selected != 0);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_shortcut_text(int32_t code, uint16_t* buffer, int32_t capacity, int32_t* length) {
    return Guarded([&]() -> brixel_status {
        if (length == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (code < 0 || code > kLastShortcutCode) return BRIXEL_E_INVALID_ARGUMENT;
        return CopyOut(ShortcutText(code), buffer, capacity, length);
    });
}

brixel_status BRIXEL_CALL brixel_shortcut_code(const uint16_t* text, int32_t length, int32_t* code) {
    return Guarded([&]() -> brixel_status {
        if (code == nullptr || (text == nullptr && length > 0)) return BRIXEL_E_NULL_ARGUMENT;
        *code = ShortcutCode(FromUtf16(text, length));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_forms_shortcut_text(int32_t value, uint16_t* buffer, int32_t capacity, int32_t* length) {
    return Guarded([&]() -> brixel_status {
        if (length == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        return CopyOut(FormsShortcutText(value), buffer, capacity, length);
    });
}

brixel_status BRIXEL_CALL brixel_forms_key_text(int32_t key, int32_t shift, uint16_t* buffer, int32_t capacity,
                                                int32_t* length) {
    return Guarded([&]() -> brixel_status {
        if (length == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        const std::u16string text = key < 0 || key > 0xFFFF ? std::u16string()
                                    : FormsKeyText(static_cast<std::uint16_t>(key), (shift & 2) != 0,
                                                   (shift & 1) != 0, (shift & 4) != 0);
        return CopyOut(text, buffer, capacity, length);
    });
}

brixel_status BRIXEL_CALL brixel_menu_object_invocable(const int32_t* levels, int32_t count, int32_t* invocable) {
    return Guarded([&]() -> brixel_status {
        if (invocable == nullptr || (levels == nullptr && count > 0)) return BRIXEL_E_NULL_ARGUMENT;
        if (count < 1) return BRIXEL_E_INVALID_ARGUMENT;
        std::vector<MenuLevelFlags> path;
        path.reserve(static_cast<std::size_t>(count));
        for (int32_t i = 0; i < count; ++i) {
            path.push_back(MenuLevelFlags{(levels[i] & BRIXEL_MENU_LEVEL_ENABLED) != 0,
                                          (levels[i] & BRIXEL_MENU_LEVEL_VISIBLE) != 0,
                                          (levels[i] & BRIXEL_MENU_LEVEL_SEPARATOR) != 0});
        }
        *invocable = IsShortcutPathInvocable(path) ? 1 : 0;
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_should_auto_drop(const brixel_auto_drop_context* context, int32_t* drop) {
    return Guarded([&]() -> brixel_status {
        if (context == nullptr || drop == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (!SizeFits(context)) return BRIXEL_E_BAD_SIZE;
        AutoDropContext c;
        c.user_mode = context->user_mode != 0;
        c.menu_auto_drop = context->menu_auto_drop != 0;
        c.active = context->active != 0;
        c.menu = context->menu != 0;
        c.enabled = context->enabled != 0;
        c.window_visible = context->window_visible != 0;
        c.active_window_is_own_top_level = context->own_top_level_active != 0;
        c.drop_suppressed = context->drop_suppressed != 0;
        c.has_items = context->has_items != 0;
        c.any_visible = context->any_visible != 0;
        c.point_in_drop_part = context->point_in_drop_part != 0;
        *drop = ShouldAutoDrop(c) ? 1 : 0;
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_hyperlink_target(const uint16_t* address, int32_t length, int32_t untrusted,
                                                  uint16_t* buffer, int32_t capacity, int32_t* target_length) {
    return Guarded([&]() -> brixel_status {
        if (target_length == nullptr || (address == nullptr && length > 0)) return BRIXEL_E_NULL_ARGUMENT;
        *target_length = 0;
        const std::u16string text = FromUtf16(address, length);
        if (text.empty()) return BRIXEL_E_REFUSED;
        const std::optional<std::u16string> target =
            ShellTarget(text, untrusted != 0 ? HyperlinkTrust::Untrusted : HyperlinkTrust::Trusted);
        if (!target) return BRIXEL_E_REFUSED;
        return CopyOut(*target, buffer, capacity, target_length);
    });
}

}  // extern "C"

// The object tree's separator is its text, not a flag; the rules are those of
// the record tree, one with its own wording.
extern "C" brixel_status BRIXEL_CALL brixel_menu_object_check(int32_t change, const uint16_t* text, int32_t length,
                                                              int32_t is_parent, uint16_t* buffer, int32_t capacity,
                                                              int32_t* message_length) {
    return Guarded([&]() -> brixel_status {
        if (message_length == nullptr || (text == nullptr && length > 0)) return BRIXEL_E_NULL_ARGUMENT;
        *message_length = 0;
        const bool separator = FromUtf16(text, length) == u"-";
        std::u16string_view refusal;
        switch (change) {
            case BRIXEL_MENU_CHANGE_TEXT:
                if (separator && is_parent != 0) refusal = menu_messages::kSeparatorOnParent;
                break;
            case BRIXEL_MENU_CHANGE_ADD_SUB_ITEM:
                if (separator) refusal = menu_messages::kObjectSubMenuOnSeparator;
                break;
            default:
                return BRIXEL_E_INVALID_ARGUMENT;
        }
        if (refusal.empty()) return BRIXEL_OK;
        const brixel_status copied = CopyOut(refusal, buffer, capacity, message_length);
        return copied == BRIXEL_OK ? BRIXEL_E_REFUSED : copied;
    });
}
