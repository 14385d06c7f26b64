#include "core/sound_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace brixel {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutTag(Bytes& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}
void Put32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

Bytes Chunk(const char* tag, const Bytes& body, std::uint32_t claimed) {
    Bytes out;
    PutTag(out, tag);
    Put32(out, claimed);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}
Bytes Chunk(const char* tag, const Bytes& body) { return Chunk(tag, body, static_cast<std::uint32_t>(body.size())); }

// A format body: PCM mono 8 kHz 8-bit unless told otherwise.
Bytes Format(std::uint16_t tag = 1, std::uint16_t channels = 1, std::uint16_t block_align = 1) {
    Bytes out;
    Put16(out, tag);
    Put16(out, channels);
    Put32(out, 8000);
    Put32(out, 8000u * block_align);
    Put16(out, block_align);
    Put16(out, 8);
    return out;
}

Bytes Riff(const std::vector<Bytes>& chunks, std::int64_t size_adjust = 0) {
    Bytes body;
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes out;
    PutTag(out, "RIFF");
    Put32(out, static_cast<std::uint32_t>(4 + static_cast<std::int64_t>(body.size()) + size_adjust));
    PutTag(out, "WAVE");
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes Samples(std::size_t n) { return Bytes(n, 0x80); }

Bytes NonPcmFormat(std::uint16_t extra_claimed, std::size_t extra_present) {
    Bytes f = Format(2);
    Put16(f, extra_claimed);
    f.insert(f.end(), extra_present, 0);
    return f;
}

Bytes ReviewersBlock() { return {'R', 'I', 'F', 'F', 0xF0, 0xFF, 0xFF, 0x7F, 'W', 'A', 'V', 'E'}; }

struct WaveCase {
    const char* name;
    Bytes image;
    bool playable;
};

class WaveImages : public ::testing::TestWithParam<WaveCase> {};

TEST_P(WaveImages, OnlyWellFormedImagesPlay) { EXPECT_EQ(IsPlayableWave(GetParam().image), GetParam().playable); }

INSTANTIATE_TEST_SUITE_P(
    Headers, WaveImages,
    ::testing::Values(
        WaveCase{"PlainPcm", Riff({Chunk("fmt ", Format()), Chunk("data", Samples(4))}), true},
        WaveCase{"OddDataWithPad", Riff({Chunk("fmt ", Format()), Chunk("data", Samples(3)), Bytes{0}}), true},
        WaveCase{"OddDataLastNoPad", Riff({Chunk("fmt ", Format()), Chunk("data", Samples(3))}), true},
        WaveCase{"PadCountedButMissing", Riff({Chunk("fmt ", Format()), Chunk("data", Samples(3))}, 1), false},
        WaveCase{"ChunkBeforeFormat", Riff({Chunk("LIST", Samples(5)), Bytes{0}, Chunk("fmt ", Format()),
                                            Chunk("data", Samples(2))}),
                 true},
        WaveCase{"TrailingBytesOutsideRiff", [] {
                     Bytes b = Riff({Chunk("fmt ", Format()), Chunk("data", Samples(2))});
                     b.insert(b.end(), 7, 0xEE);
                     return b;
                 }(),
                 true},
        WaveCase{"NonPcmWithExtra", Riff({Chunk("fmt ", NonPcmFormat(2, 2)), Chunk("data", Samples(2))}), true},
        WaveCase{"ReviewersTwelveBytes", ReviewersBlock(), false},
        WaveCase{"Empty", Bytes{}, false},
        WaveCase{"ShorterThanHeader", Bytes{'R', 'I', 'F', 'F', 4, 0, 0}, false},
        WaveCase{"NotRiff", [] {
                     Bytes b = Riff({Chunk("fmt ", Format()), Chunk("data", Samples(2))});
                     b[0] = 'X';
                     return b;
                 }(),
                 false},
        WaveCase{"NotWave", [] {
                     Bytes b = Riff({Chunk("fmt ", Format()), Chunk("data", Samples(2))});
                     b[8] = 'A';
                     return b;
                 }(),
                 false},
        WaveCase{"RiffSizeBeyondImage", Riff({Chunk("fmt ", Format()), Chunk("data", Samples(2))}, 2), false},
        WaveCase{"RiffSizeBelowWave", [] {
                     Bytes b = Riff({});
                     b[4] = 2;
                     return b;
                 }(),
                 false},
        WaveCase{"DataSizeBeyondRiff", Riff({Chunk("fmt ", Format()), Chunk("data", Samples(2), 0x7FFFFFF0)}),
                 false},
        WaveCase{"DataSizeWrapsIn32Bits", Riff({Chunk("fmt ", Format()), Chunk("data", Samples(2), 0xFFFFFFFF)}),
                 false},
        WaveCase{"FormatSizeBeyondRiff", Riff({Chunk("fmt ", Format(), 0xFFFFFFF8)}), false},
        WaveCase{"TruncatedChunkHeader", Riff({Chunk("fmt ", Format()), Chunk("data", Samples(2)), Bytes{'L', 'I'}}),
                 false},
        WaveCase{"NoFormat", Riff({Chunk("data", Samples(2))}), false},
        WaveCase{"NoData", Riff({Chunk("fmt ", Format())}), false},
        WaveCase{"DataBeforeFormat", Riff({Chunk("data", Samples(2)), Chunk("fmt ", Format())}), false},
        WaveCase{"FormatTooShort", [] {
                     Bytes format = Format();
                     format.resize(14);
                     return Riff({Chunk("fmt ", format), Chunk("data", Samples(2))});
                 }(),
                 false},
        WaveCase{"NonPcmWithoutExtraSize", Riff({Chunk("fmt ", Format(2)), Chunk("data", Samples(2))}), false},
        WaveCase{"NonPcmExtraBeyondChunk", Riff({Chunk("fmt ", NonPcmFormat(40, 2)), Chunk("data", Samples(2))}),
                 false},
        WaveCase{"ZeroChannels", Riff({Chunk("fmt ", Format(1, 0)), Chunk("data", Samples(2))}), false},
        WaveCase{"ZeroBlockAlign", Riff({Chunk("fmt ", Format(1, 1, 0)), Chunk("data", Samples(2))}), false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brixel
