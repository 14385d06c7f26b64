// Random call sequences through the C interface, as a careless or hostile
// host would make them: any property id with any value of any type, input
// steps with any coordinates, paints of odd sizes, effect lists drained,
// dropped or freed twice, and handles used after they were destroyed. The
// library must answer each with a status: no crash, no leak, no sanitizer
// report.
#include "brixel/brixel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Reads the input front to back; past its end every read gives 0.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool More() const { return pos_ < size_; }
    std::uint8_t U8() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int32_t I32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | U8();
        return static_cast<std::int32_t>(v);
    }
    std::int16_t I16() { return static_cast<std::int16_t>(U8() << 8 | U8()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Ids worth hitting often: every property of the list, the own ones, and junk.
std::int32_t PropertyId(Bytes& in) {
    const std::uint8_t pick = in.U8();
    if (pick < 200) {
        brixel_property_info info = BRIXEL_PROPERTY_INFO_INIT;
        if (brixel_property_info_at(pick % 150, &info) == BRIXEL_OK) return info.id;
    }
    return in.I16();
}

void Drain(brixel_effects* list) {
    brixel_effect e = BRIXEL_EFFECT_INIT;
    while (brixel_effects_next(list, &e) == BRIXEL_OK) {
        if (e.text_length < 0 || (e.text_length > 0 && e.text == nullptr)) std::abort();
        for (std::int32_t i = 0; i < e.text_length; ++i) (void)e.text[i];
    }
}

struct Session {
    brixel_button* buttons[2] = {nullptr, nullptr};
    std::vector<brixel_effects*> lists;  // kept, to be drained or freed later
    std::vector<brixel_picture*> pictures;
    brixel_button* stale = nullptr;      // a destroyed button, used on purpose

    ~Session() {
        for (brixel_effects* l : lists) brixel_effects_free(l);
        for (brixel_picture* p : pictures) brixel_picture_release(p);
        for (brixel_button* b : buttons) brixel_button_destroy(b);
    }

    brixel_button* Pick(Bytes& in) {
        const std::uint8_t which = in.U8() % 8;
        if (which == 6) return stale;
        if (which == 7) return reinterpret_cast<brixel_button*>(&lists);  // foreign memory
        return buttons[which & 1];
    }
};

void Create(Session& s, Bytes& in) {
    brixel_environment env = BRIXEL_ENVIRONMENT_INIT;
    env.user_mode = in.U8() & 1;
    env.theme_active = in.U8() & 1;
    env.desktop_xp_scheme = in.U8() % 5 - 1;
    env.hidden_while_loading = in.U8() & 1;
    brixel_create_options options = BRIXEL_CREATE_OPTIONS_INIT;
    options.rules = in.U8() % 3;
    options.environment = &env;
    const int slot = in.U8() & 1;
    brixel_button* made = nullptr;
    if (brixel_button_create(&options, &made) != BRIXEL_OK) return;
    if (s.buttons[slot] != nullptr) {
        brixel_button_destroy(s.buttons[slot]);
        s.stale = s.buttons[slot];
    }
    s.buttons[slot] = made;
}

void SetProperty(Session& s, Bytes& in) {
    brixel_button* b = s.Pick(in);
    const std::int32_t id = PropertyId(in);
    brixel_effects* list = nullptr;
    brixel_effects** out = in.U8() & 1 ? &list : nullptr;
    switch (in.U8() % 6) {
        case 0: brixel_set_bool(b, id, in.I32(), out); break;
        case 1: brixel_set_int(b, id, in.I32(), out); break;
        case 2: brixel_set_color(b, id, static_cast<std::uint32_t>(in.I32()), out); break;
        case 3: {
            std::uint16_t text[24];
            const int n = in.U8() % 24;
            for (int i = 0; i < n; ++i) text[i] = static_cast<std::uint16_t>(in.I16());
            brixel_set_string(b, id, text, n, out);
            break;
        }
        case 4: {
            std::uint16_t face[8] = {'A', 'r', 'i', 'a', 'l'};
            brixel_font f = BRIXEL_FONT_INIT;
            f.face = face;
            f.face_length = in.U8() % 9;
            f.size_units = in.I32();
            f.weight = in.I16();
            brixel_set_font(b, id, &f, out);
            break;
        }
        default:
            brixel_set_picture(b, id, s.pictures.empty() ? nullptr : s.pictures[in.U8() % s.pictures.size()], out);
    }
    if (list != nullptr) s.lists.push_back(list);
}

void GetProperty(Session& s, Bytes& in) {
    brixel_button* b = s.Pick(in);
    const std::int32_t id = PropertyId(in);
    std::int32_t i = 0;
    std::uint32_t c = 0;
    std::uint16_t text[8];
    brixel_font f = BRIXEL_FONT_INIT;
    brixel_picture* p = nullptr;
    brixel_get_bool(b, id, &i);
    brixel_get_int(b, id, &i);
    brixel_get_color(b, id, &c);
    brixel_get_string(b, id, text, in.U8() % 9, &i);
    brixel_get_font(b, id, &f);
    if (brixel_get_picture(b, id, &p) == BRIXEL_OK && p != nullptr) s.pictures.push_back(p);
}

void Step(Session& s, Bytes& in) {
    brixel_button* b = s.Pick(in);
    brixel_frame frame = BRIXEL_FRAME_INIT;
    frame.window = in.U8() & 1 ? 0x100 : 0;
    frame.width = in.U8() % 120;
    frame.height = in.U8() % 40;
    frame.capture = in.U8() & 1 ? frame.window : 0;
    frame.cursor_x = in.I16();
    frame.cursor_y = in.I16();
    frame.enabled = in.U8() & 1;
    frame.visible = in.U8() & 1;
    const brixel_frame* f = in.U8() & 1 ? &frame : nullptr;
    const std::int32_t x = in.I16(), y = in.I16(), a = in.I32();
    brixel_effects* list = nullptr;
    switch (in.U8() % 17) {
        case 0: brixel_mouse_down(b, f, a & 7, 1 + (a >> 8 & 1), x, y, a >> 16, &list); break;
        case 1: brixel_mouse_up(b, f, a & 7, x, y, a >> 16, &list); break;
        case 2: brixel_mouse_move(b, f, x, y, a & 7, a >> 16, &list); break;
        case 3: brixel_mouse_leave(b, f, &list); break;
        case 4: brixel_key_down(b, f, a & 0xFF, a >> 8 & 1, a >> 16, &list); break;
        case 5: brixel_key_up(b, f, a & 0xFF, a >> 16, &list); break;
        case 6: brixel_key_char(b, f, a, &list); break;
        case 7: brixel_mnemonic(b, f, a, &list); break;
        case 8: brixel_focus(b, f, a & 1, &list); break;
        case 9: brixel_timer(b, f, a & 3, &list); break;
        case 10: brixel_window_created(b, f, &list); break;
        case 11: brixel_perform_click(b, f, &list); break;
        case 12: brixel_perform_click_actions(b, f, &list); break;
        case 13: brixel_perform_hyperlink(b, f, &list); break;
        case 14: brixel_set_toggle_state(b, f, a & 1, &list); break;
        case 15: brixel_menu_dropping(b, f, &list); break;
        default: brixel_click_event(b, a & 1); break;
    }
    if (list == nullptr) return;
    if (in.U8() & 1) {
        Drain(list);
        brixel_effects_free(list);
        brixel_effects_free(list);  // the second free must be refused
    } else {
        s.lists.push_back(list);
    }
}

void Paint(Session& s, Bytes& in) {
    brixel_button* b = s.Pick(in);
    const int w = in.U8() % 100, h = in.U8() % 40;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h + 1);
    brixel_paint_options options = BRIXEL_PAINT_OPTIONS_INIT;
    options.fast_primitives = in.U8() & 1;
    options.after_click = in.U8() & 1;
    options.caption_by_host = in.U8() & 1;
    std::vector<std::uint32_t> background(pixels.size(), 0x00808080u);
    if (in.U8() & 1) {
        options.background = background.data();
        options.background_stride = w * 4;
    }
    brixel_paint_result result = BRIXEL_PAINT_RESULT_INIT;
    brixel_paint_buffer(b, nullptr, &options, pixels.data(), w, h, w * 4, &result, nullptr);
    brixel_rect rects[8];
    std::int32_t count = 0;
    brixel_region_rects(b, nullptr, rects, in.U8() % 9, &count);
}

void Picture(Session& s, Bytes& in) {
    const int w = 1 + in.U8() % 16, h = 1 + in.U8() % 16;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    for (std::uint32_t& p : pixels) p = static_cast<std::uint32_t>(in.I32());
    brixel_picture_desc desc = BRIXEL_PICTURE_DESC_INIT;
    desc.kind = in.U8() % 3;
    desc.width = w;
    desc.height = h;
    desc.pixels = pixels.data();
    desc.stride = w * 4;
    brixel_picture* p = nullptr;
    if (brixel_picture_create(&desc, &p) == BRIXEL_OK) s.pictures.push_back(p);
    if (!s.pictures.empty() && (in.U8() & 3) == 0) {
        const std::size_t i = in.U8() % s.pictures.size();
        brixel_picture_release(s.pictures[i]);
        s.pictures.erase(s.pictures.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void DrainKept(Session& s, Bytes& in) {
    if (s.lists.empty()) return;
    const std::size_t i = in.U8() % s.lists.size();
    Drain(s.lists[i]);
    brixel_effects_free(s.lists[i]);
    s.lists.erase(s.lists.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Session s;
    int calls = 0;
    while (in.More() && ++calls < 200) {
        switch (in.U8() % 7) {
            case 0: Create(s, in); break;
            case 1: SetProperty(s, in); break;
            case 2: GetProperty(s, in); break;
            case 3: Step(s, in); break;
            case 4: Paint(s, in); break;
            case 5: Picture(s, in); break;
            default: DrainKept(s, in); break;
        }
    }
    return 0;
}
