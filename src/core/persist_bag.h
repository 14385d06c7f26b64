// The property-bag form of the property exchange: every value under its key,
// as a typed value. The platform layer adapts its own bag (whose values are
// variants) to PropertyBag; MemoryPropertyBag serves tests and tools.
//
// A bag may hold a value of another type than the one asked for (web pages
// give every parameter as text). The bag converts where it can, as the
// platform's variant conversion does; a value that cannot be converted, like
// a missing one, yields the default.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/persist_exchange.h"

namespace brixel {

using BagValue =
    std::variant<bool, std::int16_t, std::int32_t, std::u16string, FontDesc, SharedPicture, ByteBlock>;

enum class BagType : std::uint8_t { Bool, Short, Long, String, Font, Picture, Bytes };

BagType BagTypeOf(const BagValue& value);

// The value as `wanted`: numbers, truth values and decimal texts convert into
// each other within range (TRUE is -1 as a number; "True"/"False" read as
// truth values); fonts, pictures and byte blocks convert only to themselves.
std::optional<BagValue> ConvertBagValue(const BagValue& value, BagType wanted);

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The value under `key` as `wanted`, or none when it is missing or does
    // not convert.
    virtual std::optional<BagValue> Read(std::string_view key, BagType wanted) const = 0;
    virtual void Write(std::string_view key, BagValue value) = 0;
};

class MemoryPropertyBag final : public PropertyBag {
public:
    using Values = std::map<std::string, BagValue, std::less<>>;

    std::optional<BagValue> Read(std::string_view key, BagType wanted) const override;
    void Write(std::string_view key, BagValue value) override {
        values_.insert_or_assign(std::string(key), std::move(value));
    }

    const Values& Entries() const { return values_; }
    const BagValue* Find(std::string_view key) const;
    bool Erase(std::string_view key);

private:
    Values values_;
};

class BagSaveExchange final : public PropertyExchange {
public:
    explicit BagSaveExchange(PropertyBag& bag) : PropertyExchange(ExchangeMode::Save), bag_(bag) {}

    bool Keyed() const override { return true; }
    BRIXEL_EXCHANGE_VALUE_OVERRIDES

private:
    PropertyBag& bag_;
};

class BagLoadExchange final : public PropertyExchange {
public:
    explicit BagLoadExchange(const PropertyBag& bag) : PropertyExchange(ExchangeMode::Load), bag_(bag) {}

    bool Keyed() const override { return true; }
    BRIXEL_EXCHANGE_VALUE_OVERRIDES

private:
    template <typename T>
    std::optional<T> ReadAs(std::string_view key, BagType wanted) const;

    const PropertyBag& bag_;
};

}  // namespace brixel
