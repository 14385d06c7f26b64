// The property exchange: one routine visits every persisted value in a fixed
// order, and the medium behind this interface decides what a visit does. In
// save mode the value is written; in load mode it is replaced by the stored
// value, or by the default when the medium has none; in reset mode it simply
// takes the default.
//
// Two media exist: the binary stream (values by position, no names) and the
// property bag (values by key). Loaders read data nobody here wrote, so every
// medium takes whatever the bytes say without failing: a value it cannot read
// is its default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/colour.h"
#include "core/shared_objects.h"

namespace brixel {

enum class ExchangeMode : std::uint8_t { Save, Load, Reset };

using ByteBlock = std::vector<std::uint8_t>;

inline constexpr std::string_view kVersionKey = "_Version";

class PropertyExchange {
public:
    explicit PropertyExchange(ExchangeMode mode) : mode_(mode) {}
    virtual ~PropertyExchange() = default;
    PropertyExchange(const PropertyExchange&) = delete;
    PropertyExchange& operator=(const PropertyExchange&) = delete;

    ExchangeMode Mode() const { return mode_; }
    bool Saving() const { return mode_ == ExchangeMode::Save; }

    // "_Version", the first value of every exchange. Saving writes `current`;
    // loading takes the stored version (data without one counts as `current`);
    // resetting uses `current`. Returns the version in force, which Version()
    // keeps answering afterwards.
    std::uint32_t ExchangeVersion(std::uint32_t current);
    std::uint32_t Version() const { return version_; }

    // True when values are found by key (a property bag), false when by
    // position (a stream), where every value must be visited to stay in step.
    virtual bool Keyed() const = 0;
    // A positional medium whose data has run out: every later value takes its
    // default, so a loader can stop walking.
    virtual bool Ended() const { return false; }

    virtual void ExchangeBool(std::string_view key, bool& value, bool def) = 0;
    virtual void ExchangeShort(std::string_view key, std::int16_t& value, std::int16_t def) = 0;
    virtual void ExchangeLong(std::string_view key, std::int32_t& value, std::int32_t def) = 0;
    // Colours travel as signed 32-bit values.
    void ExchangeColour(std::string_view key, OleColor& value, OleColor def);
    virtual void ExchangeString(std::string_view key, std::u16string& value, std::u16string_view def) = 0;
    virtual void ExchangeFont(std::string_view key, FontDesc& value, const FontDesc& def) = 0;
    // The default is no picture.
    virtual void ExchangePicture(std::string_view key, SharedPicture& value) = 0;
    // A byte block; the default is none, and so is an empty block. A stored
    // block longer than `max_bytes` is not loaded.
    virtual void ExchangeBlob(std::string_view key, std::optional<ByteBlock>& value,
                              std::size_t max_bytes) = 0;

    // One name for every type, for callers that visit typed members.
    void Exchange(std::string_view key, bool& value, bool def) { ExchangeBool(key, value, def); }
    void Exchange(std::string_view key, std::int16_t& value, std::int16_t def) {
        ExchangeShort(key, value, def);
    }
    void Exchange(std::string_view key, std::int32_t& value, std::int32_t def) {
        ExchangeLong(key, value, def);
    }
    void Exchange(std::string_view key, OleColor& value, OleColor def) { ExchangeColour(key, value, def); }
    void Exchange(std::string_view key, std::u16string& value, std::u16string_view def) {
        ExchangeString(key, value, def);
    }
    void Exchange(std::string_view key, FontDesc& value, const FontDesc& def) {
        ExchangeFont(key, value, def);
    }
    void Exchange(std::string_view key, SharedPicture& value, const SharedPicture&) {
        ExchangePicture(key, value);
    }

private:
    ExchangeMode mode_;
    std::uint32_t version_ = 0;
};

// The typed values a stored medium reads or writes, declared at once by each
// medium (its source file defines them): the list is the interface above, so
// it changes in one place.
#define BRIXEL_EXCHANGE_VALUE_OVERRIDES                                                                        \
    void ExchangeBool(std::string_view key, bool& value, bool def) override;                                 \
    void ExchangeShort(std::string_view key, std::int16_t& value, std::int16_t def) override;                \
    void ExchangeLong(std::string_view key, std::int32_t& value, std::int32_t def) override;                 \
    void ExchangeString(std::string_view key, std::u16string& value, std::u16string_view def) override;      \
    void ExchangeFont(std::string_view key, FontDesc& value, const FontDesc& def) override;                  \
    void ExchangePicture(std::string_view key, SharedPicture& value) override;                               \
    void ExchangeBlob(std::string_view key, std::optional<ByteBlock>& value, std::size_t max_bytes) override;

// Reset mode: every value takes its default.
class ResetExchange final : public PropertyExchange {
public:
    ResetExchange() : PropertyExchange(ExchangeMode::Reset) {}
    bool Keyed() const override { return true; }
    void ExchangeBool(std::string_view, bool& value, bool def) override { value = def; }
    void ExchangeShort(std::string_view, std::int16_t& value, std::int16_t def) override { value = def; }
    void ExchangeLong(std::string_view, std::int32_t& value, std::int32_t def) override { value = def; }
    void ExchangeString(std::string_view, std::u16string& value, std::u16string_view def) override {
        value = std::u16string(def);
    }
    void ExchangeFont(std::string_view, FontDesc& value, const FontDesc& def) override { value = def; }
    void ExchangePicture(std::string_view, SharedPicture& value) override { value.reset(); }
    void ExchangeBlob(std::string_view, std::optional<ByteBlock>& value, std::size_t) override {
        value.reset();
    }
};

}  // namespace brixel
