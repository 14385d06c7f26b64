// Input, focus, timers, the click methods and the menu's life: each call
// is one step of the instance, its effects handed back as a list.
#include "abi/abi_objects.h"

#include "menu/popup_layout.h"
#include "render/menu_part.h"

using namespace brixel;
using namespace brixel::abi;

namespace {

template <typename Body>
brixel_status Step(brixel_button* button, const brixel_frame* frame, brixel_effects** effects, Body&& body) noexcept {
    return Guarded([&]() -> brixel_status {
        if (effects != nullptr) *effects = nullptr;
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        b->host.messages.clear();
        if (const brixel_status s = TakeFrame(*b, frame); s != BRIXEL_OK) return s;
        Effects out;
        if (const brixel_status s = body(*b, out); s != BRIXEL_OK) return s;
        return Deliver(*b, std::move(out), effects);
    });
}

// A step that is one call of the instance with the window's frame.
brixel_status FrameStep(brixel_button* button, const brixel_frame* frame, brixel_effects** effects,
                        Effects (ButtonInstance::*call)(const WindowFrame&)) noexcept {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        out = (b.instance.get()->*call)(b.frame);
        return BRIXEL_OK;
    });
}

std::int16_t Narrow(std::int32_t v) {
    return static_cast<std::int16_t>(v < INT16_MIN ? INT16_MIN : (v > INT16_MAX ? INT16_MAX : v));
}

bool OtherButton(std::int32_t id, MouseButton& out) {
    if (id == BRIXEL_BUTTON_RIGHT) out = MouseButton::Right;
    else if (id == BRIXEL_BUTTON_MIDDLE) out = MouseButton::Middle;
    else return false;
    return true;
}

}  // namespace

extern "C" {

brixel_status BRIXEL_CALL brixel_mouse_down(brixel_button* button, const brixel_frame* frame, int32_t button_id,
                                            int32_t clicks, int32_t x, int32_t y, int32_t shift, brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) -> brixel_status {
        const Point p{x, y};
        if (clicks != 1 && clicks != 2) return BRIXEL_E_INVALID_ARGUMENT;
        if (button_id == BRIXEL_BUTTON_LEFT) {
            out = clicks == 2 ? b.instance->LeftDoubleClick(b.frame, p, Narrow(shift))
                              : b.instance->LeftButtonDown(b.frame, p, Narrow(shift));
            return BRIXEL_OK;
        }
        MouseButton other;
        if (!OtherButton(button_id, other)) return BRIXEL_E_INVALID_ARGUMENT;
        out = clicks == 2 ? b.instance->OtherDoubleClick(b.frame, other)
                          : b.instance->OtherButtonDown(b.frame, other, p, Narrow(shift));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_mouse_up(brixel_button* button, const brixel_frame* frame, int32_t button_id, int32_t x,
                                          int32_t y, int32_t shift, brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) -> brixel_status {
        const Point p{x, y};
        if (button_id == BRIXEL_BUTTON_LEFT) {
            out = b.instance->LeftButtonUp(b.frame, p, Narrow(shift));
            return BRIXEL_OK;
        }
        MouseButton other;
        if (!OtherButton(button_id, other)) return BRIXEL_E_INVALID_ARGUMENT;
        out = b.instance->OtherButtonUp(b.frame, other, p, Narrow(shift));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_mouse_move(brixel_button* button, const brixel_frame* frame, int32_t x, int32_t y,
                                            int32_t buttons, int32_t shift, brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        out = b.instance->MouseMove(b.frame, Point{x, y}, Narrow(buttons & 7), Narrow(shift));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_mouse_leave(brixel_button* button, const brixel_frame* frame, brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        // The hover tick decides whether the pointer has really gone.
        out = b.instance->Timer(b.frame, 2);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_key_down(brixel_button* button, const brixel_frame* frame, int32_t key, int32_t auto_repeat,
                                          int32_t shift, brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        out = b.instance->KeyDown(b.frame, Narrow(key), auto_repeat != 0, Narrow(shift));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_key_up(brixel_button* button, const brixel_frame* frame, int32_t key, int32_t shift,
                                        brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        out = b.instance->KeyUp(b.frame, Narrow(key), Narrow(shift));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_key_char(brixel_button* button, const brixel_frame* frame, int32_t character,
                                          brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        out = b.instance->Character(b.frame, Narrow(character));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_mnemonic(brixel_button* button, const brixel_frame* frame, int32_t key,
                                          brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        out = b.instance->Mnemonic(b.frame, Narrow(key));
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_focus(brixel_button* button, const brixel_frame* frame, int32_t gained,
                                       brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        b.has_focus = gained != 0;
        out = gained != 0 ? b.instance->FocusGained(b.frame) : b.instance->FocusLost(b.frame);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_timer(brixel_button* button, const brixel_frame* frame, int32_t timer_id,
                                       brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) -> brixel_status {
        if (timer_id != 2 && timer_id != 3) return BRIXEL_E_INVALID_ARGUMENT;
        out = b.instance->Timer(b.frame, timer_id);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_window_created(brixel_button* button, const brixel_frame* frame, brixel_effects** effects) {
    return FrameStep(button, frame, effects, &ButtonInstance::WindowCreated);
}

brixel_status BRIXEL_CALL brixel_perform_click(brixel_button* button, const brixel_frame* frame, brixel_effects** effects) {
    return FrameStep(button, frame, effects, &ButtonInstance::PerformClick);
}

brixel_status BRIXEL_CALL brixel_perform_click_actions(brixel_button* button, const brixel_frame* frame,
                                                       brixel_effects** effects) {
    return FrameStep(button, frame, effects, &ButtonInstance::PerformClickActions);
}

brixel_status BRIXEL_CALL brixel_perform_hyperlink(brixel_button* button, const brixel_frame* frame,
                                                   brixel_effects** effects) {
    return FrameStep(button, frame, effects, &ButtonInstance::PerformHyperlink);
}

brixel_status BRIXEL_CALL brixel_set_toggle_state(brixel_button* button, const brixel_frame* frame, int32_t state,
                                                  brixel_effects** effects) {
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) {
        out = b.instance->SetToggleState(b.frame, state != 0);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_menu_dropping(brixel_button* button, const brixel_frame* frame, brixel_effects** effects) {
    return FrameStep(button, frame, effects, &ButtonInstance::MenuDropping);
}

brixel_status BRIXEL_CALL brixel_get_toggle_state(brixel_button* button, int32_t* state) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (state == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        *state = b->instance->GetToggleState() ? 1 : 0;
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_click_event(brixel_button* button, int32_t running) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (running != 0) {
            b->instance->ClickEventStarting();
            ++b->click_events;
        } else if (b->click_events > 0) {
            // An unmatched end would make Value read TRUE for ever.
            b->instance->ClickEventEnded();
            --b->click_events;
        }
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_get_state(brixel_button* button, brixel_state* state) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (state == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (!SizeFits(state)) return BRIXEL_E_BAD_SIZE;
        const InteractionState s = b->instance->Interaction();
        state->mouse_in = s.mouse_in;
        state->pressed = s.pressed;
        state->toggled = s.toggled;
        state->menu_open = s.menu_open;
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_menu_set_open(brixel_button* button, int32_t open) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        b->instance->SetMenuOpen(open != 0);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_menu_loop_ended(brixel_button* button) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        b->instance->MenuLoopEnded();
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_menu_auto_dropped(brixel_button* button, const brixel_frame* frame,
                                                   brixel_effects** effects) {
    return FrameStep(button, frame, effects, &ButtonInstance::MenuAutoDropped);
}

brixel_status BRIXEL_CALL brixel_menu_loop_end(brixel_button* button, const brixel_frame* frame, int32_t keys_closed,
                                               int32_t* keep_shut, brixel_effects** effects) {
    if (keep_shut != nullptr) *keep_shut = 0;
    return Step(button, frame, effects, [&](brixel_button& b, Effects& out) -> brixel_status {
        if (keep_shut == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        const ButtonProperties& p = b.instance->Props();
        const Rect client = b.frame.client;
        const Rect part = GetMenuButtonBounds(client, p).menu;
        const bool on_drop_part =
            InDropPart(p.MenuButtonStyle, MenuRect{client.left, client.top, client.right, client.bottom},
                       MenuRect{part.left, part.top, part.right, part.bottom}, MenuPoint{b.frame.cursor.x, b.frame.cursor.y});
        *keep_shut = KeepDropSuppression(p.MenuAutoDrop, keys_closed != 0, on_drop_part) ? 1 : 0;
        out = b.instance->MenuLoopEnded(b.frame);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_in_drop_part(brixel_button* button, int32_t width, int32_t height, int32_t x, int32_t y,
                                              int32_t* in_drop_part) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (in_drop_part == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        const ButtonProperties& p = b->instance->Props();
        const Rect client{0, 0, std::max(0, width), std::max(0, height)};
        const Rect part = GetMenuButtonBounds(client, p).menu;
        *in_drop_part = p.Menu && InDropPart(p.MenuButtonStyle, MenuRect{client.left, client.top, client.right, client.bottom},
                                             MenuRect{part.left, part.top, part.right, part.bottom}, MenuPoint{x, y});
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_sound_data(brixel_button* button, int32_t slot, const uint8_t** bytes, int32_t* length) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (bytes == nullptr || length == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (slot != 0 && slot != 1) return BRIXEL_E_INVALID_ARGUMENT;
        *bytes = nullptr;
        *length = 0;
        const auto& block = b->instance->SoundMemory(slot == 0 ? SoundSlotId::Click : SoundSlotId::MouseIn);
        if (!block) return BRIXEL_OK;
        const std::span<const std::uint8_t> data = SoundBlockData(*block);
        // The player trusts the sizes inside the image: one that fails the
        // check is kept with the property but never handed out to be played.
        if (data.empty() || !IsPlayableWave(data)) return BRIXEL_OK;
        *bytes = data.data();
        *length = static_cast<std::int32_t>(data.size());
        return BRIXEL_OK;
    });
}

}  // extern "C"
