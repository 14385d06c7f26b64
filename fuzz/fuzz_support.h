// What the loader harnesses share: a control (property model and menu tree)
// behind do-nothing hosts, pictures that are their own bytes (the tests'
// stand-ins), and a property bag spelt as bytes, so that libFuzzer can mutate
// bags as well as streams.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "core/button_model.h"
#include "core/persist_bag.h"
#include "core/persist_control.h"
#include "core/persist_stream.h"
#include "menu/menu_persist.h"
#include "native/core/persist_media.h"

namespace brixel::fuzz {

class QuietHost final : public ModelHost, public MessageBoxHost {
public:
    Rgb SystemColour(int index) const override { return {0xEC, 0xE9, static_cast<std::uint8_t>(index)}; }
    std::optional<bool> AmbientUserMode() const override { return true; }
    std::u16string AmbientDisplayName() const override { return u"Button1"; }
    std::optional<OleColor> AmbientBackColor() const override { return std::nullopt; }
    std::optional<bool> AmbientDisplayAsDefault() const override { return false; }
    void MarkModified() override {}
    void NotifyPropertyChanged(std::int32_t) override {}
    void ShowMessage(std::u16string_view, MessageBoxIcon) override { std::abort(); }  // loading never asks
    void Repaint() override {}
    void RebuildRegion() override {}
    void ReapplyControlSize() override {}
    void SetTooltip(std::u16string_view, bool) override {}
    void EnableWindow(bool) override {}
    void RefreshTranslucency() override {}
    void ApplyMenuReadingDirection() override {}
    int ClientHeight() const override { return 25; }
    CaptionMetrics CaptionTextMetrics(const FontDesc&) const override { return {13, 0}; }
    std::int16_t DetectDesktopXPScheme() const override { return 0; }
    bool ParentIsWindowsForms() const override { return false; }
    OpenedFile OpenFile(std::u16string_view) override { std::abort(); }  // loading reads no file
};

class QuietBehavior final : public BehaviorLink {
public:
    InteractionState Interaction() const override { return state_; }
    void ClearToggled() override {}
    void ClearMenuOpen() override {}
    void SetAutoDropArmed(bool armed) override { state_.auto_drop_armed = armed; }
    bool Value() const override { return false; }
    void SetValue(bool) override { std::abort(); }  // a loaded Value must never click
    void PerformClick() override { std::abort(); }

private:
    InteractionState state_;
};

using testing::BytesPicture;
using testing::BytesPictureCodec;

struct Control {
    QuietHost host;
    QuietBehavior behavior;
    ButtonModel model{host, behavior};
    MenuTree tree{host};
    MenuTreeLink link{tree};
    ControlPersistState state;
    BytesPictureCodec codec;

    void Exchange(PropertyExchange& px) { ExchangeControl(px, model, host, state, link); }
    auto Exchanger() {
        return [this](PropertyExchange& px) { Exchange(px); };
    }

    ByteBlock SaveStream() { return testing::SaveToStream(Exchanger(), codec); }
    // True when the whole of `bytes` was read and nothing more was wanted.
    bool LoadStream(std::span<const std::uint8_t> bytes) { return testing::LoadFromStream(bytes, Exchanger(), codec); }
    MemoryPropertyBag SaveBag() { return testing::SaveToBag(Exchanger()); }
    void LoadBag(const PropertyBag& bag) { testing::LoadFromBag(bag, Exchanger()); }
};

// A bag as bytes: records of [type][key length][key][value] until the bytes
// run out. Type (taken modulo 7) and value: 0 bool (1 byte), 1 short (2),
// 2 long (4), 3 text (1-byte unit count, UTF-16LE units), 4 font (text face,
// 8-byte size, 2-byte weight, 2-byte charset, 1 byte of flags), 5 picture
// (1-byte length, bytes; 0 is a null picture), 6 byte block (2-byte length,
// bytes). All numbers little-endian.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
    bool Has(std::size_t n) const { return rest_.size() >= n; }
    std::uint64_t Number(std::size_t n) {
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < n; ++i) v |= std::uint64_t{rest_[i]} << (8 * i);
        rest_ = rest_.subspan(n);
        return v;
    }
    std::span<const std::uint8_t> Take(std::size_t n) {
        auto taken = rest_.first(n);
        rest_ = rest_.subspan(n);
        return taken;
    }

private:
    std::span<const std::uint8_t> rest_;
};

inline bool ReadText(ByteReader& r, std::u16string& text) {
    if (!r.Has(1)) return false;
    const std::size_t units = r.Number(1);
    if (!r.Has(units * 2)) return false;
    text.clear();
    for (std::size_t i = 0; i < units; ++i) text.push_back(static_cast<char16_t>(r.Number(2)));
    return true;
}

inline bool ReadBagValue(ByteReader& r, std::uint8_t type, BagValue& value) {
    switch (type % 7) {
        case 0:
            if (!r.Has(1)) return false;
            value = r.Number(1) != 0;
            return true;
        case 1:
            if (!r.Has(2)) return false;
            value = static_cast<std::int16_t>(r.Number(2));
            return true;
        case 2:
            if (!r.Has(4)) return false;
            value = static_cast<std::int32_t>(r.Number(4));
            return true;
        case 3: {
            std::u16string text;
            if (!ReadText(r, text)) return false;
            value = std::move(text);
            return true;
        }
        case 4: {
            FontDesc font;
            if (!ReadText(r, font.face) || !r.Has(13)) return false;
            font.size = static_cast<std::int64_t>(r.Number(8));
            font.weight = static_cast<std::int16_t>(r.Number(2));
            font.charset = static_cast<std::int16_t>(r.Number(2));
            const auto flags = r.Number(1);
            font.italic = flags & 1;
            font.underline = flags & 2;
            font.strikethrough = flags & 4;
            value = font;
            return true;
        }
        case 5: {
            if (!r.Has(1)) return false;
            const std::size_t n = r.Number(1);
            if (!r.Has(n)) return false;
            const auto bytes = r.Take(n);
            value = n == 0 ? SharedPicture{}
                           : std::make_shared<BytesPicture>(ByteBlock(bytes.begin(), bytes.end()));
            return true;
        }
        default: {
            if (!r.Has(2)) return false;
            const std::size_t n = r.Number(2);
            if (!r.Has(n)) return false;
            const auto bytes = r.Take(n);
            value = ByteBlock(bytes.begin(), bytes.end());
            return true;
        }
    }
}

inline MemoryPropertyBag BagFromBytes(std::span<const std::uint8_t> bytes) {
    MemoryPropertyBag bag;
    ByteReader r(bytes);
    while (r.Has(2)) {
        const auto type = static_cast<std::uint8_t>(r.Number(1));
        const std::size_t key_length = r.Number(1);
        if (!r.Has(key_length)) break;
        const auto key = r.Take(key_length);
        BagValue value;
        if (!ReadBagValue(r, type, value)) break;
        bag.Write(std::string(key.begin(), key.end()), std::move(value));
    }
    return bag;
}

}  // namespace brixel::fuzz
