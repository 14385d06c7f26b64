// The binary stream form of the property exchange (docs/stream-format.md):
// the values in exchange order without names, little-endian.
//
// The loader reads through a ByteSource a piece at a time, so it never
// allocates more than the bytes that really arrived (plus one chunk), whatever
// a stored count claims, and it leaves the source just after the control's
// data. Once the data runs out, or a length points past it, the stream has
// ended and every later value takes its default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/persist_exchange.h"

namespace brixel {

// Where a stream's bytes come from. Read returns how many bytes it placed;
// 0 means the data has ended.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::size_t Read(std::span<std::uint8_t> into) = 0;
};

// Where a saved stream goes; false when the bytes could not be written.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

class SpanSource final : public ByteSource {
public:
    explicit SpanSource(std::span<const std::uint8_t> bytes) : rest_(bytes) {}
    std::size_t Read(std::span<std::uint8_t> into) override;
    std::size_t Remaining() const { return rest_.size(); }

private:
    std::span<const std::uint8_t> rest_;
};

class VectorSink final : public ByteSink {
public:
    bool Write(std::span<const std::uint8_t> bytes) override {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return true;
    }
    const ByteBlock& Bytes() const { return bytes_; }

private:
    ByteBlock bytes_;
};

// A picture's own persistent bytes. The platform layer implements it over its
// picture objects (the standard picture stream); the portable code only moves
// the bytes.
class PictureCodec {
public:
    virtual ~PictureCodec() = default;
    // None when the picture cannot be saved; it is then stored as no picture.
    virtual std::optional<ByteBlock> PictureBytes(const PictureObject& picture) = 0;
    // Null when the bytes do not make a picture.
    virtual SharedPicture PictureFromBytes(std::span<const std::uint8_t> bytes) = 0;
};

// Largest values a loader accepts. A longer stored value is passed over (the
// stream stays in step) and takes its default.
inline constexpr std::uint64_t kMaxStoredStringUnits = std::uint64_t{1} << 24;
inline constexpr std::uint64_t kMaxStoredFontRecordBytes = 64 * 1024;
inline constexpr std::uint64_t kMaxStoredPictureBytes = std::uint64_t{64} * 1024 * 1024;

class StreamSaveExchange final : public PropertyExchange {
public:
    StreamSaveExchange(ByteSink& sink, PictureCodec& pictures)
        : PropertyExchange(ExchangeMode::Save), sink_(sink), pictures_(pictures) {}

    // The sink refused bytes; nothing after that was written.
    bool Failed() const { return failed_; }

    bool Keyed() const override { return false; }
    BRIXEL_EXCHANGE_VALUE_OVERRIDES

private:
    void Put(std::span<const std::uint8_t> bytes);

    ByteSink& sink_;
    PictureCodec& pictures_;
    bool failed_ = false;
};

class StreamLoadExchange final : public PropertyExchange {
public:
    StreamLoadExchange(ByteSource& source, PictureCodec& pictures)
        : PropertyExchange(ExchangeMode::Load), source_(source), pictures_(pictures) {}

    bool Keyed() const override { return false; }
    bool Ended() const override { return ended_; }
    BRIXEL_EXCHANGE_VALUE_OVERRIDES

private:
    // Exactly `count` bytes, or none and the stream has ended.
    std::optional<ByteBlock> Take(std::uint64_t count);
    bool Skip(std::uint64_t count);
    template <typename T>
    std::optional<T> TakeInteger();
    // A length-prefixed value: its bytes when it fits `max`, none when it was
    // passed over or the stream ended.
    std::optional<ByteBlock> TakeSized(std::uint64_t count, std::uint64_t max);

    ByteSource& source_;
    PictureCodec& pictures_;
    bool ended_ = false;
};

}  // namespace brixel
