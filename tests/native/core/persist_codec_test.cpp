// The two media on their own: the stream's byte layout (as the format page
// states it), what hostile lengths do to it, and the bag's conversions.
#include <gtest/gtest.h>

#include "native/core/persist_fakes.h"

namespace brixel {
namespace {

using testing::BytesPictureCodec;
using testing::MakeBytesPicture;
using testing::PictureBytesOf;

ByteBlock Bytes(std::initializer_list<int> values) {
    ByteBlock out;
    for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

template <typename Write>
ByteBlock Saved(Write write) {
    VectorSink sink;
    BytesPictureCodec codec;
    StreamSaveExchange px(sink, codec);
    write(px);
    return sink.Bytes();
}

// --- The layout the format page gives -------------------------------------------

struct LayoutCase {
    const char* name;
    std::function<void(PropertyExchange&)> write;
    ByteBlock bytes;
};

class StreamLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(StreamLayout, WritesTheDocumentedBytes) { EXPECT_EQ(Saved(GetParam().write), GetParam().bytes); }

FontDesc BoldItalicArial() {
    FontDesc f;
    f.face = u"Ar";
    f.size = 0x0102030405LL;
    f.weight = 700;
    f.charset = 2;
    f.italic = true;
    f.strikethrough = true;
    return f;
}

INSTANTIATE_TEST_SUITE_P(Values, StreamLayout,
                         ::testing::Values(LayoutCase{"BoolTrue",
                                                      [](PropertyExchange& px) {
                                                          bool v = true;
                                                          px.ExchangeBool("k", v, false);
                                                      },
                                                      Bytes({1})},
                                           LayoutCase{"ShortNegative",
                                                      [](PropertyExchange& px) {
                                                          std::int16_t v = -2;
                                                          px.ExchangeShort("k", v, 0);
                                                      },
                                                      Bytes({0xFE, 0xFF})},
                                           LayoutCase{"Colour",
                                                      [](PropertyExchange& px) {
                                                          OleColor v = 0x80000005;
                                                          px.ExchangeColour("k", v, 0);
                                                      },
                                                      Bytes({5, 0, 0, 0x80})},
                                           LayoutCase{"StringUtf16",
                                                      [](PropertyExchange& px) {
                                                          std::u16string v = u"A\u00e9";
                                                          px.ExchangeString("k", v, u"");
                                                      },
                                                      Bytes({2, 0, 0, 0, 'A', 0, 0xE9, 0})},
                                           LayoutCase{"FontRecord",
                                                      [](PropertyExchange& px) {
                                                          FontDesc v = BoldItalicArial();
                                                          px.ExchangeFont("k", v, FontDesc{});
                                                      },
                                                      Bytes({21, 0, 0, 0, 2, 0, 0, 0,    'A', 0, 'r', 0, 5,
                                                             4,  3, 2, 1, 0, 0, 0, 0xBC, 2,   2, 0,   5})},
                                           LayoutCase{"NoPicture",
                                                      [](PropertyExchange& px) {
                                                          SharedPicture v;
                                                          px.ExchangePicture("k", v);
                                                      },
                                                      Bytes({0})},
                                           LayoutCase{"Picture",
                                                      [](PropertyExchange& px) {
                                                          SharedPicture v = MakeBytesPicture(Bytes({7, 8}));
                                                          px.ExchangePicture("k", v);
                                                      },
                                                      Bytes({1, 2, 0, 0, 0, 7, 8})},
                                           LayoutCase{"Blob",
                                                      [](PropertyExchange& px) {
                                                          std::optional<ByteBlock> v = Bytes({9, 9, 9});
                                                          px.ExchangeBlob("k", v, 100);
                                                      },
                                                      Bytes({3, 0, 0, 0, 9, 9, 9})},
                                           LayoutCase{"NoBlob",
                                                      [](PropertyExchange& px) {
                                                          std::optional<ByteBlock> v;
                                                          px.ExchangeBlob("k", v, 100);
                                                      },
                                                      Bytes({0, 0, 0, 0})}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Loading --------------------------------------------------------------------

struct Loaded {
    explicit Loaded(ByteBlock data) : bytes(std::move(data)), source(bytes), px(source, codec) {}
    ByteBlock bytes;
    SpanSource source;
    BytesPictureCodec codec;
    StreamLoadExchange px;
};

// A value whose length points past the data ends the stream: it and every
// later value take their defaults, and nothing near the claimed size is
// allocated (the sanitizer build would report it).
struct HostileCase {
    const char* name;
    ByteBlock bytes;
    std::function<void(PropertyExchange&)> read;  // reads one value, expecting its default
};

class HostileLength : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileLength, EndsTheStreamWithDefaults) {
    ByteBlock data = GetParam().bytes;
    data.insert(data.end(), {1, 2, 3, 4, 5, 6});  // fewer bytes than claimed
    Loaded in(data);
    GetParam().read(in.px);
    EXPECT_TRUE(in.px.Ended());
    std::int32_t after = 0;
    in.px.ExchangeLong("", after, 77);
    EXPECT_EQ(after, 77);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HostileLength,
    ::testing::Values(HostileCase{"StringOfFourGigaUnits", Bytes({0xFF, 0xFF, 0xFF, 0x00}),
                                  [](PropertyExchange& px) {
                                      std::u16string v = u"x";
                                      px.ExchangeString("", v, u"dflt");
                                      EXPECT_EQ(v, u"dflt");
                                  }},
                      HostileCase{"BlobLongerThanTheRest", Bytes({0x00, 0x10, 0x00, 0x00}),
                                  [](PropertyExchange& px) {
                                      std::optional<ByteBlock> v = Bytes({1});
                                      px.ExchangeBlob("", v, 1 << 20);
                                      EXPECT_FALSE(v.has_value());
                                  }},
                      HostileCase{"PictureLongerThanTheRest", Bytes({1, 0xFF, 0xFF, 0xFF, 0x03}),
                                  [](PropertyExchange& px) {
                                      SharedPicture v = MakeBytesPicture(Bytes({1}));
                                      px.ExchangePicture("", v);
                                      EXPECT_EQ(v, nullptr);
                                  }},
                      HostileCase{"FontRecordLongerThanTheRest", Bytes({0x00, 0x80, 0x00, 0x00}),
                                  [](PropertyExchange& px) {
                                      FontDesc v;
                                      v.face = u"Other";
                                      px.ExchangeFont("", v, FontDesc{});
                                      EXPECT_EQ(v, FontDesc{});
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

// A value over its limit is passed over whole, so what follows still loads.
TEST(StreamLoad, OversizeValuesArePassedOverInStep) {
    ByteBlock data = Bytes({4, 0, 0, 0, 1, 2, 3, 4});  // a blob of four bytes
    data.insert(data.end(), {0x2A, 0, 0, 0});
    Loaded in(data);
    std::optional<ByteBlock> blob;
    in.px.ExchangeBlob("", blob, 3);
    std::int32_t next = 0;
    in.px.ExchangeLong("", next, -1);
    EXPECT_FALSE(blob.has_value());
    EXPECT_EQ(next, 42);
    EXPECT_FALSE(in.px.Ended());
}

TEST(StreamLoad, UndecodablePictureIsNoPictureAndKeepsStep) {
    Loaded in(Bytes({1, 2, 0, 0, 0, 0xBA, 0xBA, 7, 0}));
    SharedPicture p = MakeBytesPicture(Bytes({1}));
    in.px.ExchangePicture("", p);
    std::int16_t next = 0;
    in.px.ExchangeShort("", next, -1);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(next, 7);
    EXPECT_EQ(in.codec.decoded, 1);
}

TEST(StreamLoad, ShortFontRecordKeepsTheDefaultsOfItsMissingFields) {
    // Face "X" and a size only; the longer record's unknown tail is ignored.
    const ByteBlock short_record = Bytes({14, 0, 0, 0, 1, 0, 0, 0, 'X', 0, 0x10, 0x27, 0, 0, 0, 0, 0, 0});
    ByteBlock long_record =
        Bytes({22, 0, 0, 0, 1, 0, 0, 0, 'Y', 0, 0x10, 0x27, 0, 0, 0, 0, 0, 0, 0x90, 1, 0, 0, 2});
    long_record.insert(long_record.end(), {0xEE, 0xEE, 0xEE});
    ByteBlock data = short_record;
    data.insert(data.end(), long_record.begin(), long_record.end());
    Loaded in(data);
    FontDesc def;
    def.weight = 700;
    def.underline = true;
    FontDesc a, b;
    in.px.ExchangeFont("", a, def);
    in.px.ExchangeFont("", b, def);
    EXPECT_EQ(a.face, u"X");
    EXPECT_EQ(a.size, 10000);
    EXPECT_EQ(a.weight, 700);
    EXPECT_TRUE(a.underline);
    EXPECT_EQ(b.face, u"Y");
    EXPECT_EQ(b.weight, 400);
    EXPECT_TRUE(b.underline);
    EXPECT_FALSE(b.italic);
    EXPECT_FALSE(in.px.Ended());
}

// IStream-like sources may hand out fewer bytes than asked.
class TrickleSource final : public ByteSource {
public:
    explicit TrickleSource(ByteBlock bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(std::span<std::uint8_t> into) override {
        if (at_ >= bytes_.size() || into.empty()) return 0;
        into[0] = bytes_[at_++];
        return 1;
    }
    std::size_t at_ = 0;

private:
    ByteBlock bytes_;
};

TEST(StreamLoad, SourceGivingOneByteAtATimeReadsTheSameAndStopsAtTheEnd) {
    TrickleSource source(Bytes({2, 0, 0, 0, 'o', 0, 'k', 0, 0xFF, 0xFF}));
    BytesPictureCodec codec;
    StreamLoadExchange px(source, codec);
    std::u16string text;
    std::int16_t number = 0;
    px.ExchangeString("", text, u"");
    px.ExchangeShort("", number, 0);
    EXPECT_EQ(text, u"ok");
    EXPECT_EQ(number, -1);
    EXPECT_EQ(source.at_, 10u);  // the container's stream is left just after the control's data
}

class FailingSink final : public ByteSink {
public:
    bool Write(std::span<const std::uint8_t>) override { return ++writes < 2; }
    int writes = 0;
};

TEST(StreamSave, ReportsASinkThatRefusesAndStopsWriting) {
    FailingSink sink;
    BytesPictureCodec codec;
    StreamSaveExchange px(sink, codec);
    std::int32_t v = 1;
    px.ExchangeLong("", v, 0);
    EXPECT_FALSE(px.Failed());
    px.ExchangeLong("", v, 0);
    px.ExchangeLong("", v, 0);
    EXPECT_TRUE(px.Failed());
    EXPECT_EQ(sink.writes, 2);
}

// --- The bag ----------------------------------------------------------------------

struct ConvertCase {
    const char* name;
    BagValue from;
    BagType wanted;
    std::optional<BagValue> expected;
};

class BagConversion : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(BagConversion, ConvertsAsTheVariantRulesDo) {
    EXPECT_EQ(ConvertBagValue(GetParam().from, GetParam().wanted), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BagConversion,
    ::testing::Values(
        ConvertCase{"TextToShort", BagValue(std::u16string(u" -12 ")), BagType::Short,
                    BagValue(std::int16_t{-12})},
        ConvertCase{"TextTrueToBool", BagValue(std::u16string(u"TRUE")), BagType::Bool, BagValue(true)},
        ConvertCase{"TextZeroToBool", BagValue(std::u16string(u"0")), BagType::Bool, BagValue(false)},
        ConvertCase{"LetterTextIsNoNumber", BagValue(std::u16string(u"12a")), BagType::Long, std::nullopt},
        ConvertCase{"LongTooBigForShort", BagValue(std::int32_t{40000}), BagType::Short, std::nullopt},
        ConvertCase{"HugeTextIsNoLong", BagValue(std::u16string(u"99999999999999")), BagType::Long,
                    std::nullopt},
        ConvertCase{"BoolToLongIsMinusOne", BagValue(true), BagType::Long, BagValue(std::int32_t{-1})},
        ConvertCase{"LongToText", BagValue(std::int32_t{-5}), BagType::String,
                    BagValue(std::u16string(u"-5"))},
        ConvertCase{"FontIsOnlyAFont", BagValue(FontDesc{}), BagType::String, std::nullopt},
        ConvertCase{"NumberIsNoBlob", BagValue(std::int32_t{3}), BagType::Bytes, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BagLoad, MissingOrUnconvertibleValuesTakeTheirDefaults) {
    MemoryPropertyBag bag;
    bag.Write("Width", std::u16string(u"wide"));
    bag.Write("Count", std::u16string(u"17"));
    BagLoadExchange px(bag);
    std::int16_t width = 1, count = 0, missing = 1;
    px.ExchangeShort("Width", width, 5);
    px.ExchangeShort("Count", count, 5);
    px.ExchangeShort("Missing", missing, 5);
    EXPECT_EQ(width, 5);
    EXPECT_EQ(count, 17);
    EXPECT_EQ(missing, 5);
}

TEST(BagLoad, BlobOverItsLimitOrEmptyIsNone) {
    MemoryPropertyBag bag;
    bag.Write("Big", ByteBlock(11, 1));
    bag.Write("Empty", ByteBlock{});
    bag.Write("Fits", ByteBlock(10, 2));
    BagLoadExchange px(bag);
    std::optional<ByteBlock> big, empty, fits;
    px.ExchangeBlob("Big", big, 10);
    px.ExchangeBlob("Empty", empty, 10);
    px.ExchangeBlob("Fits", fits, 10);
    EXPECT_FALSE(big.has_value());
    EXPECT_FALSE(empty.has_value());
    EXPECT_EQ(fits, ByteBlock(10, 2));
}

TEST(Version, MissingVersionCountsAsCurrentAndSavingAlwaysWritesCurrent) {
    MemoryPropertyBag empty;
    BagLoadExchange load(empty);
    EXPECT_EQ(load.ExchangeVersion(0x00030002), 0x00030002u);

    MemoryPropertyBag old;
    old.Write("_Version", std::int32_t{0x00010005});
    BagLoadExchange load_old(old);
    EXPECT_EQ(load_old.ExchangeVersion(0x00030002), 0x00010005u);
    BagSaveExchange save(old);
    EXPECT_EQ(save.ExchangeVersion(0x00030002), 0x00030002u);
    EXPECT_EQ(*old.Find("_Version"), BagValue(std::int32_t{0x00030002}));
}

}  // namespace
}  // namespace brixel
