// Persistence stand-ins that the tests and the fuzz harnesses share:
// pictures that are their own bytes, a codec for them, and a whole control's
// save and load through each medium. No test framework in here: the fuzz
// tree builds without one.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <utility>

#include "core/persist_bag.h"
#include "core/persist_stream.h"

namespace brixel::testing {

// A picture whose persistent bytes are the bytes it was made from.
class BytesPicture final : public PictureObject {
public:
    explicit BytesPicture(ByteBlock bytes) : bytes_(std::move(bytes)) {}
    bool HasImage() const override { return !bytes_.empty(); }
    const ByteBlock& Bytes() const { return bytes_; }

private:
    ByteBlock bytes_;
};

inline SharedPicture MakeBytesPicture(ByteBlock bytes) {
    return std::make_shared<BytesPicture>(std::move(bytes));
}

// The bytes of a picture made by MakeBytesPicture; none for anything else.
inline std::optional<ByteBlock> PictureBytesOf(const SharedPicture& picture) {
    const auto* p = dynamic_cast<const BytesPicture*>(picture.get());
    if (p == nullptr) return std::nullopt;
    return p->Bytes();
}

// Bytes that begin with 0xBA do not decode, as a damaged picture would not.
class BytesPictureCodec final : public PictureCodec {
public:
    std::optional<ByteBlock> PictureBytes(const PictureObject& picture) override {
        const auto* p = dynamic_cast<const BytesPicture*>(&picture);
        if (p == nullptr) return std::nullopt;
        return p->Bytes();
    }
    SharedPicture PictureFromBytes(std::span<const std::uint8_t> bytes) override {
        ++decoded;
        if (!bytes.empty() && bytes[0] == 0xBA) return nullptr;
        return MakeBytesPicture(ByteBlock(bytes.begin(), bytes.end()));
    }
    int decoded = 0;
};

// A control's stored state is whatever `exchange(PropertyExchange&)` visits;
// these run it once through each medium.
template <class Exchange>
ByteBlock SaveToStream(Exchange&& exchange, PictureCodec& codec) {
    VectorSink sink;
    StreamSaveExchange px(sink, codec);
    exchange(px);
    return sink.Bytes();
}

// True when the whole of `bytes` was read and nothing more was wanted.
template <class Exchange>
bool LoadFromStream(std::span<const std::uint8_t> bytes, Exchange&& exchange, PictureCodec& codec) {
    SpanSource source(bytes);
    StreamLoadExchange px(source, codec);
    exchange(px);
    return source.Remaining() == 0 && !px.Ended();
}

template <class Exchange>
MemoryPropertyBag SaveToBag(Exchange&& exchange) {
    MemoryPropertyBag bag;
    BagSaveExchange px(bag);
    exchange(px);
    return bag;
}

template <class Exchange>
void LoadFromBag(const PropertyBag& bag, Exchange&& exchange) {
    BagLoadExchange px(bag);
    exchange(px);
}

}  // namespace brixel::testing
