// Stand-ins for the persistence tests: an exchange that records what a save
// visits, a replay of such a record into any medium (to build data of older
// versions), and the picture stand-ins of persist_media.h.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/persist_bag.h"
#include "core/property_table.h"
#include "core/persist_stream.h"
#include "native/core/persist_media.h"

namespace brixel::testing {

// A save that keeps each visit as (key, value), in order.
class RecordingExchange final : public PropertyExchange {
public:
    RecordingExchange() : PropertyExchange(ExchangeMode::Save) {}
    explicit RecordingExchange(bool keyed) : PropertyExchange(ExchangeMode::Save), keyed_(keyed) {}

    bool Keyed() const override { return keyed_; }
    void ExchangeBool(std::string_view key, bool& value, bool) override { Add(key, value); }
    void ExchangeShort(std::string_view key, std::int16_t& value, std::int16_t) override { Add(key, value); }
    void ExchangeLong(std::string_view key, std::int32_t& value, std::int32_t) override { Add(key, value); }
    void ExchangeString(std::string_view key, std::u16string& value, std::u16string_view) override {
        Add(key, value);
    }
    void ExchangeFont(std::string_view key, FontDesc& value, const FontDesc&) override { Add(key, value); }
    void ExchangePicture(std::string_view key, SharedPicture& value) override { Add(key, value); }
    void ExchangeBlob(std::string_view key, std::optional<ByteBlock>& value, std::size_t) override {
        Add(key, value.value_or(ByteBlock{}));
    }

    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const auto& v : visits) keys.push_back(v.first);
        return keys;
    }

    std::vector<std::pair<std::string, BagValue>> visits;

private:
    void Add(std::string_view key, BagValue value) {
        visits.emplace_back(std::string(key), std::move(value));
    }
    bool keyed_ = false;
};

// Writes recorded visits into a saving medium, in order.
inline void Replay(const std::vector<std::pair<std::string, BagValue>>& visits, PropertyExchange& into) {
    for (auto [key, value] : visits) {
        std::visit(
            [&](auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, ByteBlock>) {
                    std::optional<ByteBlock> blob;
                    if (!v.empty()) blob = v;
                    into.ExchangeBlob(key, blob, SIZE_MAX);
                } else if constexpr (std::is_same_v<T, SharedPicture>) {
                    into.ExchangePicture(key, v);
                } else {
                    into.Exchange(key, v, v);
                }
            },
            value);
    }
}

// Gives every record member a value that is no default of any version.
inline void ChangeEverything(ButtonProperties& p) {
    int n = 0;
    for (const MemberInfo& m : MemberTable()) {
        ++n;
        std::visit(
            [&](auto field) {
                using F = decltype(field);
                if constexpr (!std::is_same_v<F, std::monostate>) {
                    using T = std::remove_reference_t<decltype(p.*field)>;
                    if constexpr (std::is_same_v<T, bool>) p.*field = !(p.*field);
                    if constexpr (std::is_same_v<T, std::int16_t>)
                        p.*field = static_cast<std::int16_t>(300 + n);
                    if constexpr (std::is_same_v<T, OleColor>)
                        p.*field = 0x00123400u + static_cast<OleColor>(n);
                    if constexpr (std::is_same_v<T, std::u16string>)
                        p.*field = u"text " + std::u16string(1, char16_t(u'A' + n % 26));
                    if constexpr (std::is_same_v<T, FontDesc>) {
                        p.*field = FontDesc{u"Face", 90000 + n, 700, 1, true, true, true};
                    }
                    if constexpr (std::is_same_v<T, SharedPicture>) {
                        p.*field = MakeBytesPicture({static_cast<std::uint8_t>(n), 1, 2});
                    }
                }
            },
            m.field);
    }
}

inline void ExpectSameProperties(const ButtonProperties& a, const ButtonProperties& b) {
    for (const MemberInfo& m : MemberTable()) {
        if (std::holds_alternative<SharedPicture ButtonProperties::*>(m.field)) {
            const auto field = std::get<SharedPicture ButtonProperties::*>(m.field);
            EXPECT_EQ(PictureBytesOf(a.*field), PictureBytesOf(b.*field)) << m.name;
        } else {
            EXPECT_TRUE(FieldEquals(a, b, m.field)) << m.name;
        }
    }
}

}  // namespace brixel::testing
