#include "abi/abi_objects.h"

#include "pixel/classic_colours.h"

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <unordered_map>

#ifdef _WIN32
#include <windows.h>
#endif

namespace brixel::abi {

// --- Live handles ------------------------------------------------------------------

namespace {

struct HandleTable {
    std::mutex lock;
    std::unordered_map<const void*, HandleKind> live;
};

HandleTable& Handles() {
    static HandleTable* table = new HandleTable;  // never destroyed: handles may outlive static teardown
    return *table;
}

}  // namespace

void RegisterHandle(const void* handle, HandleKind kind) {
    HandleTable& t = Handles();
    std::lock_guard guard(t.lock);
    t.live[handle] = kind;
}

void UnregisterHandle(const void* handle) {
    HandleTable& t = Handles();
    std::lock_guard guard(t.lock);
    t.live.erase(handle);
}

bool IsLiveHandle(const void* handle, HandleKind kind) {
    if (handle == nullptr) return false;
    HandleTable& t = Handles();
    std::lock_guard guard(t.lock);
    const auto it = t.live.find(handle);
    return it != t.live.end() && it->second == kind;
}

// --- Text ------------------------------------------------------------------------------

std::u16string FromUtf16(const std::uint16_t* text, std::int32_t length) {
    std::u16string out;
    if (text == nullptr || length <= 0) return out;
    out.resize(static_cast<std::size_t>(length));
    for (std::int32_t i = 0; i < length; ++i) out[static_cast<std::size_t>(i)] = static_cast<char16_t>(text[i]);
    return out;
}

brixel_status CopyOut(std::u16string_view text, std::uint16_t* buffer, std::int32_t capacity, std::int32_t* length) {
    if (length == nullptr) return BRIXEL_E_NULL_ARGUMENT;
    *length = static_cast<std::int32_t>(text.size());
    if (buffer == nullptr || capacity < 0 || static_cast<std::size_t>(capacity) < text.size() + 1)
        return BRIXEL_E_BUFFER_TOO_SMALL;
    for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = text[i];
    buffer[text.size()] = 0;
    return BRIXEL_OK;
}

FontDesc ToFontDesc(const brixel_font& font) {
    FontDesc f;
    f.face = FromUtf16(font.face, font.face_length);
    f.size = font.size_units;
    f.weight = static_cast<std::int16_t>(std::clamp(font.weight, 0, 1000));
    f.charset = static_cast<std::int16_t>(std::clamp(font.charset, 0, 255));
    f.italic = font.italic != 0;
    f.underline = font.underline != 0;
    f.strikethrough = font.strikethrough != 0;
    return f;
}

// --- Pictures ---------------------------------------------------------------------------

PictureRef AbiPicture::Ref() const {
    // HIMETRIC: hundredths of a millimetre, 2540 to the inch.
    const auto himetric = [this](int pixels) { return static_cast<int>((pixels * 2540LL + dpi_ / 2) / dpi_); };
    return PictureRef{pixels_.kind, reinterpret_cast<std::uintptr_t>(this),
                      Size{himetric(pixels_.size.width), himetric(pixels_.size.height)}};
}

const AbiPicture* AsAbiPicture(const SharedPicture& picture) {
    return dynamic_cast<const AbiPicture*>(picture.get());
}

std::unique_ptr<pixel::PictureRegistry> RegistryFor(std::span<const SharedPicture> pictures) {
    auto registry = std::make_unique<pixel::PictureRegistry>();
    for (const SharedPicture& p : pictures) {
        if (const AbiPicture* picture = AsAbiPicture(p); picture != nullptr && picture->HasImage())
            registry->Register(reinterpret_cast<std::uintptr_t>(picture), picture->Pixels());
    }
    return registry;
}

// --- The host -------------------------------------------------------------------------

void AbiHost::SetEnvironment(const brixel_environment& e) {
    env = e;
    system_colours.clear();
    if (e.system_colours != nullptr && e.system_colour_count > 0)
        system_colours.assign(e.system_colours, e.system_colours + std::min(e.system_colour_count, 64));
    env.system_colours = nullptr;  // the copy above is what is read
    if (text != nullptr) text->SetDpi(env.dpi);
}

Rgb AbiHost::SystemColour(int index) const {
    if (index >= 0 && static_cast<std::size_t>(index) < system_colours.size()) {
        const std::uint32_t c = system_colours[static_cast<std::size_t>(index)];
        return Rgb{static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8), static_cast<std::uint8_t>(c)};
    }
    return pixel::kClassicColours.SystemColour(index);
}

std::optional<OleColor> AbiHost::AmbientBackColor() const {
    if (env.has_ambient_back_colour == 0) return std::nullopt;
    return env.ambient_back_colour;
}

std::int16_t AbiHost::DetectDesktopXPScheme() const {
    return env.desktop_xp_scheme >= 0 && env.desktop_xp_scheme <= 2 ? static_cast<std::int16_t>(env.desktop_xp_scheme)
                                                                     : std::int16_t{0};
}

CaptionMetrics AbiHost::CaptionTextMetrics(const FontDesc& font) const {
    if (text == nullptr) return {};
    constexpr FontRef kProbe{0xFFFF};
    text->Define(kProbe, font);
    const Rect r = text->Measure(u"Ag", kProbe, Rect{0, 0, 1000, 1000}, kTextSingleLine | kTextNoPrefix);
    return CaptionMetrics{r.Height(), 0};
}

namespace {

class StdioFile final : public ReadableFile {
public:
    explicit StdioFile(std::FILE* f) : f_(f) {}
    ~StdioFile() override { std::fclose(f_); }
    std::uint64_t Length() const override {
        const long here = std::ftell(f_);
        std::fseek(f_, 0, SEEK_END);
        const long end = std::ftell(f_);
        std::fseek(f_, here, SEEK_SET);
        return end < 0 ? 0 : static_cast<std::uint64_t>(end);
    }
    ReadResult Read(std::span<std::uint8_t> into) override {
        const std::size_t n = std::fread(into.data(), 1, into.size(), f_);
        return ReadResult{n, std::ferror(f_) != 0 ? FileError::Other : FileError::None};
    }

private:
    std::FILE* f_;
};

#ifndef _WIN32
std::string ToUtf8(std::u16string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        std::uint32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
#endif

}  // namespace

OpenedFile AbiHost::OpenFile(std::u16string_view path) {
    // A NUL inside the name would open another file than the one named.
    if (path.find(u'\0') != std::u16string_view::npos) return OpenedFile{FileError::NotFound, nullptr};
#ifdef _WIN32
    const std::wstring wide(path.begin(), path.end());
    std::FILE* f = ::_wfopen(wide.c_str(), L"rb");
    if (f != nullptr) return OpenedFile{FileError::None, std::make_unique<StdioFile>(f)};
    const DWORD error = ::GetLastError();
    if (error == ERROR_PATH_NOT_FOUND) return OpenedFile{FileError::PathNotFound, nullptr};
    return OpenedFile{errno == ENOENT ? FileError::NotFound : FileError::Other, nullptr};
#else
    const std::string name = ToUtf8(path);
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (f != nullptr) return OpenedFile{FileError::None, std::make_unique<StdioFile>(f)};
    if (errno == ENOTDIR) return OpenedFile{FileError::PathNotFound, nullptr};
    if (errno == ENOENT) {
        // A missing folder on the way is a bad path; only a missing last part is a missing file.
        const std::size_t slash = name.find_last_of('/');
        if (slash != std::string::npos && slash > 0) {
            std::FILE* dir = std::fopen(name.substr(0, slash).c_str(), "r");
            if (dir == nullptr) return OpenedFile{FileError::PathNotFound, nullptr};
            std::fclose(dir);
        }
        return OpenedFile{FileError::NotFound, nullptr};
    }
    return OpenedFile{FileError::Other, nullptr};
#endif
}

// --- Steps --------------------------------------------------------------------------------

WindowFrame ToFrame(const brixel_frame& f) {
    return WindowFrame{static_cast<WindowId>(f.window),
                       Rect{0, 0, std::max(0, f.width), std::max(0, f.height)},
                       static_cast<WindowId>(f.capture),
                       Point{f.cursor_x, f.cursor_y},
                       f.enabled != 0,
                       f.visible != 0};
}

brixel_status TakeFrame(brixel_button& b, const brixel_frame* frame) {
    if (frame != nullptr) {
        if (!SizeFits(frame)) return BRIXEL_E_BAD_SIZE;
        b.frame = ToFrame(*frame);
        b.has_focus = frame->has_focus != 0;
    }
    b.host.client_height = b.frame.client.Height();
    return BRIXEL_OK;
}

namespace {

std::int32_t KindOf(EffectKind kind) {
    switch (kind) {
        case EffectKind::FireClick: return BRIXEL_EFFECT_FIRE_CLICK;
        case EffectKind::FireDblClick: return BRIXEL_EFFECT_FIRE_DBL_CLICK;
        case EffectKind::FireMouseDown: return BRIXEL_EFFECT_FIRE_MOUSE_DOWN;
        case EffectKind::FireMouseMove: return BRIXEL_EFFECT_FIRE_MOUSE_MOVE;
        case EffectKind::FireMouseUp: return BRIXEL_EFFECT_FIRE_MOUSE_UP;
        case EffectKind::FireKeyDown: return BRIXEL_EFFECT_FIRE_KEY_DOWN;
        case EffectKind::FireKeyPress: return BRIXEL_EFFECT_FIRE_KEY_PRESS;
        case EffectKind::FireKeyUp: return BRIXEL_EFFECT_FIRE_KEY_UP;
        case EffectKind::FireMouseEnter: return BRIXEL_EFFECT_FIRE_MOUSE_ENTER;
        case EffectKind::FireMouseExit: return BRIXEL_EFFECT_FIRE_MOUSE_EXIT;
        case EffectKind::FireButtonToggled: return BRIXEL_EFFECT_FIRE_BUTTON_TOGGLED;
        case EffectKind::FireWhileMouseDown: return BRIXEL_EFFECT_FIRE_WHILE_MOUSE_DOWN;
        case EffectKind::Redraw: return BRIXEL_EFFECT_REDRAW;
        case EffectKind::ShowFocusBorder: return BRIXEL_EFFECT_SHOW_FOCUS_BORDER;
        case EffectKind::ShowHandCursor: return BRIXEL_EFFECT_SHOW_HAND_CURSOR;
        case EffectKind::RelayToTooltip: return BRIXEL_EFFECT_RELAY_TO_TOOLTIP;
        case EffectKind::HideContainerTooltip: return BRIXEL_EFFECT_HIDE_CONTAINER_TOOLTIP;
        case EffectKind::StartTimer: return BRIXEL_EFFECT_START_TIMER;
        case EffectKind::StopTimer: return BRIXEL_EFFECT_STOP_TIMER;
        case EffectKind::TakeCapture: return BRIXEL_EFFECT_TAKE_CAPTURE;
        case EffectKind::ReleaseCapture: return BRIXEL_EFFECT_RELEASE_CAPTURE;
        case EffectKind::GiveCaptureTo: return BRIXEL_EFFECT_GIVE_CAPTURE_TO;
        case EffectKind::TakeFocus: return BRIXEL_EFFECT_TAKE_FOCUS;
        case EffectKind::PassFocusToNextControl: return BRIXEL_EFFECT_PASS_FOCUS_TO_NEXT;
        case EffectKind::DefaultProcessing: return BRIXEL_EFFECT_DEFAULT_PROCESSING;
        case EffectKind::SendButtonUp: return BRIXEL_EFFECT_SEND_BUTTON_UP;
        case EffectKind::SendSpaceKeyUp: return BRIXEL_EFFECT_SEND_SPACE_KEY_UP;
        case EffectKind::UIActivateAfterClick: return BRIXEL_EFFECT_UI_ACTIVATE_AFTER_CLICK;
        case EffectKind::DropMenu: return BRIXEL_EFFECT_DROP_MENU;
        case EffectKind::PlaySound: return BRIXEL_EFFECT_PLAY_SOUND;
        case EffectKind::OpenHyperlink: return BRIXEL_EFFECT_OPEN_HYPERLINK;
        case EffectKind::MarkModified: return BRIXEL_EFFECT_MARK_MODIFIED;
        case EffectKind::NotifyPropertyChanged: return BRIXEL_EFFECT_NOTIFY_PROPERTY_CHANGED;
        case EffectKind::RebuildRegion: return BRIXEL_EFFECT_REBUILD_REGION;
        case EffectKind::ReapplyControlSize: return BRIXEL_EFFECT_REAPPLY_CONTROL_SIZE;
        case EffectKind::SetTooltip: return BRIXEL_EFFECT_SET_TOOLTIP;
        case EffectKind::EnableWindow: return BRIXEL_EFFECT_ENABLE_WINDOW;
        case EffectKind::RefreshTranslucency: return BRIXEL_EFFECT_REFRESH_TRANSLUCENCY;
        case EffectKind::ApplyMenuReadingDirection: return BRIXEL_EFFECT_APPLY_MENU_READING_DIRECTION;
    }
    return 0;
}

}  // namespace

brixel_status Deliver(brixel_button& b, Effects effects, brixel_effects** out) {
    std::vector<brixel_effects::Entry> all;
    all.reserve(b.host.messages.size() + effects.size());
    // A refused change shows its message while the step runs, before
    // anything it records is carried out.
    for (AbiHost::Message& m : b.host.messages) {
        Effect e;
        e.text = std::move(m.text);
        e.code = static_cast<std::int16_t>(m.icon);
        all.push_back({BRIXEL_EFFECT_MESSAGE_BOX, std::move(e)});
    }
    b.host.messages.clear();
    const ButtonProperties& p = b.instance->Props();
    for (Effect& e : effects) {
        if (e.kind == EffectKind::OpenHyperlink) e.text = p.HyperlinkAddress;
        if (e.kind == EffectKind::PlaySound)
            e.value = e.code == static_cast<std::int16_t>(SoundSlot::Click) ? p.ClickSound : p.MouseInSound;
        all.push_back({KindOf(e.kind), std::move(e)});
    }
    if (out == nullptr) return BRIXEL_OK;
    auto list = std::make_unique<brixel_effects>();
    list->items = std::move(all);
    RegisterHandle(list.get(), HandleKind::Effects);
    *out = list.release();
    return BRIXEL_OK;
}

}  // namespace brixel::abi
