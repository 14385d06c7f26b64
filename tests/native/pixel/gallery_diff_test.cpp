// The gallery comparison: the PNG reader takes back what the encoder writes
// and refuses what it cannot read; the face layout's caption boxes hold every
// pixel a caption changes; the comparison counts each face's differences on
// the right side of its caption box.
#include "face_diff.h"
#include "faces.h"
#include "pixel/classic_colours.h"
#include "pixel/freetype/freetype_text_service.h"
#include "pixel/pixel_canvas.h"
#include "png_reader.h"
#include "png_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace brixel::tools {
namespace {

RgbImage Noise(int width, int height) {
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height * 3; ++i) image.pixels.push_back(static_cast<std::uint8_t>(i * 37 + i / 7));
    return image;
}

TEST(GalleryPng, ReadsBackWhatTheEncoderWrites) {
    // Over 65535 bytes of image data: several stored blocks.
    const RgbImage image = Noise(160, 150);
    const PngReadResult r = DecodePng(EncodePng(image));
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.image.width, image.width);
    EXPECT_EQ(r.image.height, image.height);
    EXPECT_EQ(r.image.pixels, image.pixels);
}

// Offsets in a 2 x 2 image's file: the signature (8), IHDR (8 + 13 + 4),
// then IDAT's length and type (8); the zlib header follows.
constexpr std::size_t kIhdrData = 16;
constexpr std::size_t kIdatData = 8 + 25 + 8;

void PutBigEndian(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

// Makes the chunk whose data starts at `data` sound again after an edit.
void FixCrc(std::vector<std::uint8_t>& file, std::size_t data) {
    const std::size_t length = file[data - 5];
    PutBigEndian(file, data + length, Crc32(&file[data - 4], length + 4));
}
void FixIdatCrc(std::vector<std::uint8_t>& file) { FixCrc(file, kIdatData); }

struct Damage {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> apply;
    const char* error;
};

class GalleryPngRefuses : public ::testing::TestWithParam<Damage> {};

TEST_P(GalleryPngRefuses, DamagedOrForeignFiles) {
    std::vector<std::uint8_t> file = EncodePng(Noise(2, 2));
    GetParam().apply(file);
    EXPECT_EQ(DecodePng(file).error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GalleryPngRefuses,
    ::testing::Values(
        Damage{"Empty", [](auto& f) { f.clear(); }, "not a PNG file"},
        Damage{"Signature", [](auto& f) { f[1] = 'J'; }, "not a PNG file"},
        Damage{"Truncated", [](auto& f) { f.resize(f.size() - 20); }, "chunk runs past the end of the file"},
        Damage{"NoEnd", [](auto& f) { f.resize(f.size() - 12); }, "no IEND chunk"},
        Damage{"HeaderCrc", [](auto& f) { f[kIhdrData] ^= 1; }, "bad CRC in IHDR"},
        Damage{"Palette", [](auto& f) { f[kIhdrData + 9] = 3; FixCrc(f, kIhdrData); }, "not 8-bit RGB without interlace"},
        Damage{"Interlaced", [](auto& f) { f[kIhdrData + 12] = 1; FixCrc(f, kIhdrData); },
               "not 8-bit RGB without interlace"},
        Damage{"ZeroWidth", [](auto& f) { f[kIhdrData + 3] = 0; FixCrc(f, kIhdrData); }, "unreasonable image size"},
        Damage{"TallerThanItsData", [](auto& f) { f[kIhdrData + 7] = 3; FixCrc(f, kIhdrData); },
               "image data of the wrong size"},
        Damage{"CompressedBlock", [](auto& f) { f[kIdatData + 2] = 0x03; FixIdatCrc(f); },
               "compressed deflate blocks are not supported"},
        Damage{"FilteredRow", [](auto& f) { f[kIdatData + 7] = 1; FixIdatCrc(f); }, "bad Adler-32 checksum"},
        Damage{"StoredLength", [](auto& f) { f[kIdatData + 3] ^= 1; FixIdatCrc(f); }, "bad stored block"}),
    [](const auto& info) { return std::string(info.param.name); });

// A row filter with a matching checksum: a valid PNG this reader still refuses.
TEST(GalleryPng, RefusesFilteredRowsEvenWhenTheFileIsSound) {
    std::vector<std::uint8_t> file = EncodePng(Noise(2, 2));
    std::vector<std::uint8_t> raw(file.begin() + kIdatData + 7, file.begin() + kIdatData + 7 + 14);
    raw[0] = 1;
    file[kIdatData + 7] = 1;
    PutBigEndian(file, kIdatData + 7 + 14, Adler32(raw.data(), raw.size()));
    FixIdatCrc(file);
    EXPECT_EQ(DecodePng(file).error, "filtered rows are not supported");
}

// --- The face layout and the comparison -----------------------------------------------

constexpr FontRef kFont{1};

class GalleryPages : public ::testing::Test {
protected:
    void SetUp() override {
        text_ = pixel::FreeTypeTextService::Create();
        if (text_ == nullptr) GTEST_SKIP() << "Liberation fonts are not installed";
        text_->DefineFont(kFont, {u"Arial", -11, 400, false, false});
    }
    // The page through the pixel canvas, with or without captions.
    RgbImage Page(bool captions) const {
        pixel::PixelEnvironment env;
        env.text = captions ? text_.get() : nullptr;
        env.system_colours = &pixel::kClassicColours;
        pixel::PixelCanvas canvas(FaceGallerySize(), env);
        DrawFaceGallery(canvas, kFont, true);
        RgbImage image{canvas.size().width, canvas.size().height, {}};
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const Rgb c = canvas.GetPixel({x, y});
                image.pixels.insert(image.pixels.end(), {c.r, c.g, c.b});
            }
        return image;
    }
    std::vector<GalleryFace> Layout() const { return FaceGalleryLayout(pixel::PixelCanvas(Size{1, 1}), kFont); }

    std::unique_ptr<pixel::FreeTypeTextService> text_;
};

// Every pixel a caption adds lies in its face's caption box.
TEST_F(GalleryPages, CaptionsChangeOnlyTheirCaptionBoxes) {
    const GalleryDifference d = DiffFaces(Page(true), Page(false), Layout());
    ASSERT_EQ(d.error, "");
    ASSERT_EQ(d.faces.size(), 98u);
    for (const FaceDifference& f : d.faces) {
        EXPECT_EQ(f.outside_caption, 0) << f.name;
        EXPECT_GT(f.inside_caption, 20) << f.name << ": no caption drawn";
    }
    EXPECT_TRUE(d.AgreesOutsideCaptions());
}

// The box leaves the borders and, on a split face, the menu part outside.
TEST_F(GalleryPages, CaptionBoxesStayClearOfBordersAndMenuParts) {
    for (const GalleryFace& f : Layout()) {
        ASSERT_FALSE(f.caption.IsEmpty()) << f.name;
        EXPECT_GE(f.caption.left, f.face.left + 2) << f.name;
        EXPECT_GE(f.caption.top, f.face.top + 2) << f.name;
        EXPECT_LE(f.caption.bottom, f.face.bottom - 2) << f.name;
        const bool split = f.name.starts_with("3D split") || f.name.starts_with("XP split");
        EXPECT_LE(f.caption.right, f.face.right - (split ? 12 : 2)) << f.name;
    }
}

struct Change {
    const char* name;
    enum Anchor { kCaptionTopLeft, kCaptionBottomRight, kPageCorner } anchor;
    int dx, dy;  // from the anchor on the first face (bottom right is exclusive)
    int inside, outside;
};

class GalleryDiffCounts : public GalleryPages, public ::testing::WithParamInterface<Change> {};

TEST_P(GalleryDiffCounts, OnePixelCountedOnItsSideOfTheCaptionBox) {
    const std::vector<GalleryFace> layout = Layout();
    const RgbImage page = Page(false);
    RgbImage changed = page;
    const GalleryFace& first = layout.front();
    const Change& c = GetParam();
    const Point anchor = c.anchor == Change::kPageCorner         ? Point{0, 0}
                         : c.anchor == Change::kCaptionTopLeft ? Point{first.caption.left, first.caption.top}
                                                               : Point{first.caption.right, first.caption.bottom};
    const int x = anchor.x + c.dx, y = anchor.y + c.dy;
    changed.pixels[static_cast<std::size_t>((y * page.width + x) * 3 + 2)] ^= 1;
    const GalleryDifference d = DiffFaces(page, changed, layout);
    ASSERT_EQ(d.error, "");
    EXPECT_EQ(d.faces.front().inside_caption, GetParam().inside);
    EXPECT_EQ(d.faces.front().outside_caption, GetParam().outside);
    EXPECT_EQ(d.AgreesOutsideCaptions(), GetParam().outside == 0);
    for (std::size_t i = 1; i < d.faces.size(); ++i) EXPECT_EQ(d.faces[i].inside_caption + d.faces[i].outside_caption, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, GalleryDiffCounts,
                         ::testing::Values(Change{"CaptionTopLeft", Change::kCaptionTopLeft, 0, 0, 1, 0},
                                           Change{"LeftOfCaption", Change::kCaptionTopLeft, -1, 0, 0, 1},
                                           Change{"AboveCaption", Change::kCaptionTopLeft, 0, -1, 0, 1},
                                           Change{"CaptionBottomRight", Change::kCaptionBottomRight, -1, -1, 1, 0},
                                           Change{"RightOfCaption", Change::kCaptionBottomRight, 0, -1, 0, 1},
                                           Change{"BelowCaption", Change::kCaptionBottomRight, -1, 0, 0, 1},
                                           Change{"PageCorner", Change::kPageCorner, 0, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

Rgb PagePixel(const RgbImage& page, int x, int y) {
    const auto at = static_cast<std::size_t>((y * page.width + x) * 3);
    return {page.pixels[at], page.pixels[at + 1], page.pixels[at + 2]};
}

// The page shows what a user sees: the values the control's rules give when
// the row's properties are set (the flat border, the Office 2003 preset),
// and a shaped window cut to its region.
TEST_F(GalleryPages, FacesShowThePropertyRulesAndTheWindowRegion) {
    const RgbImage page = Page(false);
    const std::vector<GalleryFace> layout = Layout();
    const auto face = [&](const std::string& name) {
        const auto found = std::find_if(layout.begin(), layout.end(), [&](const GalleryFace& f) { return f.name == name; });
        EXPECT_NE(found, layout.end()) << name;
        return found != layout.end() ? found->face : Rect{};
    };
    constexpr Rgb kPage{236, 236, 236};
    const Rect rounded = face("Flat, rounded / Normal");
    const Rect square = face("Flat / Normal");
    EXPECT_EQ(PagePixel(page, rounded.left, rounded.top), kPage) << "the region cuts the rounded corner away";
    EXPECT_EQ(PagePixel(page, rounded.right - 1, rounded.bottom - 1), kPage);
    EXPECT_NE(PagePixel(page, rounded.left, rounded.top + rounded.Height() / 2), kPage) << "the side stays";
    EXPECT_NE(PagePixel(page, square.left, square.top), kPage) << "a square face keeps its corner";
    EXPECT_EQ(PagePixel(page, square.left, square.top + square.Height() / 2), (Rgb{0, 0, 0}))
        << "switched to flat, the control takes the XP scheme's blue border back";

    const Rect office = face("Office 2003 / Normal");
    const Rect xp = face("XP, blue / Normal");
    int differing = 0;
    for (int y = 0; y < office.Height(); ++y)
        for (int x = 0; x < office.Width(); ++x)
            differing += PagePixel(page, office.left + x, office.top + y) != PagePixel(page, xp.left + x, xp.top + y);
    EXPECT_GT(differing, 100) << "the Office 2003 face is not the plain XP face";
}

TEST_F(GalleryPages, RefusesPagesOfAnotherSize) {
    RgbImage smaller = Noise(FaceGallerySize().width, FaceGallerySize().height - 1);
    const GalleryDifference d = DiffFaces(Page(false), smaller, Layout());
    EXPECT_NE(d.error, "");
    EXPECT_TRUE(d.faces.empty());
    EXPECT_FALSE(d.AgreesOutsideCaptions());
    const RgbImage tiny = Noise(10, 10);
    EXPECT_NE(DiffFaces(tiny, tiny, Layout()).error, "");
}

}  // namespace
}  // namespace brixel::tools
