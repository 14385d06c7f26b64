// What stands behind the C interface's opaque handles, and the small pieces
// every entry point shares: handle checks, text conversion and the guard
// that keeps exceptions on this side of the line.
#pragma once

#include "brixel/brixel.h"

#include "abi/text_adapter.h"
#include "core/dpi_scale.h"
#include "core/sound_file.h"
#include "instance/button_instance.h"
#include "pixel/picture_registry.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brixel::abi {

// --- Live handles ------------------------------------------------------------------
// A handle is accepted only while it is registered under its own kind, so a
// destroyed, foreign or mistyped pointer is refused before it is read.
enum class HandleKind : std::uint8_t { Button, Effects, Picture };

void RegisterHandle(const void* handle, HandleKind kind);
void UnregisterHandle(const void* handle);
bool IsLiveHandle(const void* handle, HandleKind kind);

// --- Text ------------------------------------------------------------------------------
std::u16string FromUtf16(const std::uint16_t* text, std::int32_t length);
// Copies into the caller's buffer under the header's rule.
brixel_status CopyOut(std::u16string_view text, std::uint16_t* buffer, std::int32_t capacity, std::int32_t* length);

// --- Plain values ------------------------------------------------------------------------
// A 0x00RRGGBB word.
constexpr Rgb FromRgbWord(std::uint32_t c) {
    return Rgb{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)};
}
FontDesc ToFontDesc(const brixel_font& font);

// --- Exceptions stop here -------------------------------------------------------------
template <typename Body>
brixel_status Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return BRIXEL_E_NO_MEMORY;
    } catch (...) {
        return BRIXEL_E_INTERNAL;
    }
}

// A struct from the caller is usable when it is at least as large as the
// first version of its type.
// The size of the first version of each struct; later versions only add
// fields at the end.
template <typename T>
constexpr std::size_t FirstVersionSize() {
    return sizeof(T);
}
template <>
constexpr std::size_t FirstVersionSize<brixel_environment>() {
    return offsetof(brixel_environment, hidden_while_loading);
}
template <>
constexpr std::size_t FirstVersionSize<brixel_menu_row>() {
    return offsetof(brixel_menu_row, dpi);
}

template <>
constexpr std::size_t FirstVersionSize<brixel_paint_options>() {
    return offsetof(brixel_paint_options, caption_by_host);
}
template <>
constexpr std::size_t FirstVersionSize<brixel_paint_result>() {
    return offsetof(brixel_paint_result, caption);
}

template <typename T>
bool SizeFits(const T* s) {
    return s != nullptr && s->size >= FirstVersionSize<T>();
}

// A caller's struct of any accepted version, fields it lacks at their defaults.
template <typename T>
T Widened(const T& given, const T& defaults) {
    T out = defaults;
    std::memcpy(&out, &given, std::min<std::size_t>(given.size, sizeof(T)));
    out.size = sizeof(T);
    return out;
}

// --- Pictures ---------------------------------------------------------------------------
class AbiPicture final : public PictureObject {
public:
    AbiPicture(pixel::PixelPicture pixels, int dpi) : pixels_(std::move(pixels)), dpi_(dpi) {}
    bool HasImage() const override { return pixels_.size.width > 0 && pixels_.size.height > 0; }
    const pixel::PixelPicture& Pixels() const { return pixels_; }
    // What the canvas is given: the picture's own kind and physical size.
    PictureRef Ref() const;

private:
    pixel::PixelPicture pixels_;
    int dpi_;
};

// The picture behind a property value; null when it is not one of ours.
const AbiPicture* AsAbiPicture(const SharedPicture& picture);
// The pixel registry holding exactly the given pictures.
std::unique_ptr<pixel::PictureRegistry> RegistryFor(std::span<const SharedPicture> pictures);

}  // namespace brixel::abi

struct brixel_picture {
    std::shared_ptr<const brixel::abi::AbiPicture> picture;
};

struct brixel_effects {
    struct Entry {
        std::int32_t kind;  // brixel_effect_kind
        brixel::Effect effect;
    };
    std::vector<Entry> items;
    std::size_t next = 0;
};

namespace brixel::abi {

// The instance's questions answered from what the host passed in.
class AbiHost final : public InstanceHost {
public:
    struct Message {
        std::u16string text;
        MessageBoxIcon icon;
    };

    brixel_environment env{};
    std::vector<std::uint32_t> system_colours;
    std::u16string display_name;
    int client_height = 0;
    TextAdapter* text = nullptr;
    std::vector<Message> messages;  // shown during the step in hand

    void SetEnvironment(const brixel_environment& e);
    // The screen's resolution the host reported; 0 or less reads as 96.
    int Dpi() const { return env.dpi > 0 ? env.dpi : kDesignDpi; }

    Rgb SystemColour(int index) const override;
    void ShowMessage(std::u16string_view message, MessageBoxIcon icon) override {
        messages.push_back({std::u16string(message), icon});
    }
    std::optional<bool> AmbientUserMode() const override { return env.user_mode != 0; }
    std::u16string AmbientDisplayName() const override { return display_name; }
    std::optional<OleColor> AmbientBackColor() const override;
    std::optional<bool> AmbientDisplayAsDefault() const override { return env.display_as_default != 0; }
    int ClientHeight() const override { return client_height; }
    CaptionMetrics CaptionTextMetrics(const FontDesc& font) const override;
    std::int16_t DetectDesktopXPScheme() const override;
    bool ParentIsWindowsForms() const override { return env.windows_forms_parent != 0; }
    OpenedFile OpenFile(std::u16string_view path) override;
};

}  // namespace brixel::abi

struct brixel_button {
    explicit brixel_button(int rules_variant) : rules(rules_variant) {}

    int rules;
    brixel::abi::AbiHost host;
    brixel::abi::TextAdapter text;
    std::unique_ptr<brixel::ButtonInstance> instance;  // made once the host is filled in
    brixel::WindowFrame frame{};
    bool has_focus = false;
    int click_events = 0;  // Click handlers running now

    // The Windows Forms surface's own state (rules = BRIXEL_RULES_DOTNET).
    bool flat_style_system = false;
    bool border_colour_assigned = false;
    int xp_scheme_assignments = 0;

    // The pictures the last paint registered, so unchanged ones are not copied again.
    std::array<brixel::SharedPicture, 4> painted_pictures{};
    std::unique_ptr<brixel::pixel::PictureRegistry> registry;

    std::vector<std::uint16_t> scratch;  // text handed out until the next call
};

namespace brixel::abi {

// The button behind a handle, or null.
inline brixel_button* LiveButton(brixel_button* b) { return IsLiveHandle(b, HandleKind::Button) ? b : nullptr; }

WindowFrame ToFrame(const brixel_frame& f);
// The frame a step runs with: the one given (remembered), or the last one.
brixel_status TakeFrame(brixel_button& b, const brixel_frame* frame);

// Hands a step's effects to the caller, the messages shown during it first,
// with the texts the host needs filled in.
brixel_status Deliver(brixel_button& b, Effects effects, brixel_effects** out);

}  // namespace brixel::abi
