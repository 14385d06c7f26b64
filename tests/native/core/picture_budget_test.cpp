#include "core/picture_budget.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brixel {
namespace {

using Stored = std::vector<std::uint8_t>;

void AppendLe(Stored& b, std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void AppendBe(Stored& b, std::uint64_t v, int n) {
    for (int i = n - 1; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

Stored StoredInfoHeader(std::int32_t w, std::int32_t h, std::uint32_t compression) {
    Stored b;
    AppendLe(b, 40, 4);
    AppendLe(b, static_cast<std::uint32_t>(w), 4);
    AppendLe(b, static_cast<std::uint32_t>(h), 4);
    AppendLe(b, 1, 2);
    AppendLe(b, 8, 2);
    AppendLe(b, compression, 4);
    b.resize(40, 0);
    return b;
}

// A bitmap file: its header claims the size, a few bytes follow.
Stored StoredBitmap(std::int32_t w, std::int32_t h, std::uint32_t compression = 0) {
    Stored b{'B', 'M'};
    b.resize(14, 0);
    const Stored info = StoredInfoHeader(w, h, compression);
    b.insert(b.end(), info.begin(), info.end());
    b.insert(b.end(), {0x00, 0x01, 0x00, 0x00});  // RLE: end of bitmap
    return b;
}

Stored StoredWrapped(const Stored& file) {
    Stored b{'l', 't', 0, 0};
    AppendLe(b, file.size(), 4);
    b.insert(b.end(), file.begin(), file.end());
    return b;
}

Stored StoredPlaceable(std::int16_t right, std::int16_t bottom, std::uint16_t inch) {
    Stored b{0xD7, 0xCD, 0xC6, 0x9A, 0, 0};
    AppendLe(b, 0, 2);
    AppendLe(b, 0, 2);
    AppendLe(b, static_cast<std::uint16_t>(right), 2);
    AppendLe(b, static_cast<std::uint16_t>(bottom), 2);
    AppendLe(b, inch, 2);
    b.resize(22, 0);
    return b;
}

Stored StoredEnhanced(std::int32_t frame_right, std::int32_t frame_bottom) {
    Stored b;
    AppendLe(b, 1, 4);
    AppendLe(b, 88, 4);
    for (std::int32_t v : {0, 0, 9, 9, 0, 0, frame_right, frame_bottom}) AppendLe(b, static_cast<std::uint32_t>(v), 4);
    AppendLe(b, 0x464D4520, 4);
    b.resize(88, 0);
    return b;
}

Stored StoredIcon(std::uint8_t listed, std::int32_t own_w, std::int32_t own_h) {
    Stored b{0, 0, 1, 0, 1, 0, listed, listed, 0, 0, 1, 0, 8, 0};
    const Stored info = StoredInfoHeader(own_w, own_h, 0);
    AppendLe(b, info.size(), 4);
    AppendLe(b, 22, 4);
    b.insert(b.end(), info.begin(), info.end());
    return b;
}

Stored StoredPng(std::uint32_t w, std::uint32_t h) {
    Stored b{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    AppendBe(b, 13, 4);
    b.insert(b.end(), {'I', 'H', 'D', 'R'});
    AppendBe(b, w, 4);
    AppendBe(b, h, 4);
    return b;
}

Stored StoredJpeg(std::uint16_t w, std::uint16_t h) {
    Stored b{0xFF, 0xD8, 0xFF, 0xE0};
    AppendBe(b, 4, 2);
    b.insert(b.end(), {0, 0});
    b.insert(b.end(), {0xFF, 0xC0});
    AppendBe(b, 11, 2);
    b.push_back(8);
    AppendBe(b, h, 2);
    AppendBe(b, w, 2);
    return b;
}

Stored StoredGif(std::uint16_t w, std::uint16_t h) {
    Stored b{'G', 'I', 'F', '8', '9', 'a'};
    AppendLe(b, w, 2);
    AppendLe(b, h, 2);
    return b;
}

struct ClaimCase {
    const char* name;
    Stored stored;
    std::optional<std::uint64_t> pixels;
};

class PictureClaims : public ::testing::TestWithParam<ClaimCase> {};

TEST_P(PictureClaims, ReadFromTheHeaderAlone) { EXPECT_EQ(ClaimedPicturePixels(GetParam().stored), GetParam().pixels); }

INSTANTIATE_TEST_SUITE_P(
    Headers, PictureClaims,
    ::testing::Values(ClaimCase{"Bitmap", StoredBitmap(16, 16), 256}, ClaimCase{"TopDownBitmap", StoredBitmap(4, -3), 12},
                      ClaimCase{"WrappedBitmap", StoredWrapped(StoredBitmap(10, 10)), 100},
                      ClaimCase{"SmallRleHugeBitmap", StoredBitmap(30000, 30000, 1), 900'000'000},
                      ClaimCase{"WrapperLongerThanData", [] {
                                    Stored b = StoredWrapped(StoredBitmap(2, 2));
                                    b[4] = 0xFF;
                                    return b;
                                }(),
                                std::nullopt},
                      ClaimCase{"PlaceableMetafile", StoredPlaceable(1440, 720, 1440), 96 * 48},
                      ClaimCase{"MetafileHugeFrame", StoredPlaceable(32767, 32767, 1), std::uint64_t{32767 * 96} * 32767 * 96},
                      ClaimCase{"MetafileNoInch", StoredPlaceable(10, 10, 0), std::nullopt},
                      ClaimCase{"EnhancedMetafile", StoredEnhanced(2540, 2540), 96 * 96},
                      ClaimCase{"EnhancedHugeFrame", StoredEnhanced(0x7FFFFFFF, 0x7FFFFFFF),
                                std::uint64_t{(0x7FFFFFFFull * 96 + 2539) / 2540} * ((0x7FFFFFFFull * 96 + 2539) / 2540)},
                      ClaimCase{"Icon", StoredIcon(32, 32, 64), 1024},
                      ClaimCase{"IconLyingAboutItsImage", StoredIcon(16, 5000, 10000), 25'000'000},
                      ClaimCase{"Png", StoredPng(3, 7), 21}, ClaimCase{"Jpeg", StoredJpeg(640, 480), 307'200},
                      ClaimCase{"Gif", StoredGif(20, 10), 200}, ClaimCase{"Unknown", Stored{'P', 'K', 3, 4}, std::nullopt},
                      ClaimCase{"Empty", Stored{}, std::nullopt}, ClaimCase{"TruncatedBitmap", Stored{'B', 'M', 0}, std::nullopt},
                      ClaimCase{"JpegWithoutFrame", Stored{0xFF, 0xD8, 0xFF, 0xDA, 0, 2}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PictureBudget, DecodesOnlyWithinTheCapAndTheCount) {
    PictureBudget budget;
    EXPECT_FALSE(budget.MayDecode(StoredBitmap(30000, 30000, 1))) << "over the pixel cap";
    EXPECT_FALSE(budget.MayDecode(Stored{'?', '?'})) << "a header that cannot be read";
    EXPECT_TRUE(budget.MayDecode(StoredBitmap(1024, 1024))) << "exactly the cap";
    for (int i = 1; i < kMaxDecodedPictures; ++i) EXPECT_TRUE(budget.MayDecode(StoredBitmap(1, 1)));
    EXPECT_FALSE(budget.MayDecode(StoredBitmap(1, 1))) << "the count is spent";
}

}  // namespace
}  // namespace brixel
