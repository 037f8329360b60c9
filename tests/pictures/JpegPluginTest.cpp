// jpeg.pip on JPEG files of every kind it reads, and on damaged ones.
#include <gtest/gtest.h>

#include "PictureLibrary.h"
#include "RealPlugin.h"
#include "TempDir.h"
#include "TestImages.h"

namespace {
struct Case {
    JpegKind kind;
    const char* name;
};

// Blue, green, red at a quadrant's centre, within what compression changes.
void ExpectColour(const DecodedPixels& pixels, int c, int r, int red, int green, int blue) {
    const std::uint8_t* p = pixels.At(c, r);
    EXPECT_NEAR(p[2], red, 4) << c << "," << r;
    EXPECT_NEAR(p[1], green, 4) << c << "," << r;
    EXPECT_NEAR(p[0], blue, 4) << c << "," << r;
}
}  // namespace

TEST(JpegPlugin, ReadsBaselineProgressiveGreyscaleAndBothCmykConventions) {
    auto plugin = OpenShippedPlugin("jpeg.pip");
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin->Pattern(), "*.jpg;*.jpeg;*.jpe");
    TempDir dir;
    for (auto [kind, name] : {Case{JpegKind::Baseline, "baseline"}, Case{JpegKind::Progressive, "progressive"},
                              Case{JpegKind::Greyscale, "grey"}, Case{JpegKind::Cmyk, "cmyk"},
                              Case{JpegKind::AdobeCmyk, "adobe-cmyk"}}) {
        SCOPED_TRACE(name);
        const auto path = dir.File(std::string(name) + ".jpg");
        WriteQuadrantJpeg(path, kind, 32, 48);
        auto pixels = DecodeWith(*plugin, path);
        ASSERT_TRUE(pixels);
        EXPECT_EQ(pixels->width, 32);
        EXPECT_EQ(pixels->height, 48);
        if (kind == JpegKind::Greyscale) {
            ExpectColour(*pixels, 8, 8, 0x20, 0x20, 0x20);
            ExpectColour(*pixels, 24, 8, 0x60, 0x60, 0x60);
            ExpectColour(*pixels, 8, 24, 0xA0, 0xA0, 0xA0);
            ExpectColour(*pixels, 24, 24, 0xE0, 0xE0, 0xE0);
        } else {
            ExpectColour(*pixels, 8, 8, 255, 0, 0);
            ExpectColour(*pixels, 24, 8, 0, 255, 0);
            ExpectColour(*pixels, 8, 24, 0, 0, 255);
            ExpectColour(*pixels, 24, 24, 255, 255, 255);
            ExpectColour(*pixels, 8, 40, 255, 0, 0);
        }
    }
}

TEST(JpegPlugin, GivesThePixelsAsStoredWhateverTheExifOrientationSays) {
    auto plugin = OpenShippedPlugin("jpeg.pip");
    ASSERT_TRUE(plugin);
    TempDir dir;
    const auto path = dir.File("rotated.jpg");
    WriteQuadrantJpeg(path, JpegKind::Baseline, 32, 48, 6);  // 6: shown turned a quarter clockwise
    ASSERT_NE(ReadWholeFile(path).find("Exif"), std::string::npos);
    auto pixels = DecodeWith(*plugin, path);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->width, 32);
    EXPECT_EQ(pixels->height, 48);
    ExpectColour(*pixels, 24, 8, 0, 255, 0);
}

TEST(JpegPlugin, ThroughTheHostTheTopLeftPixelEndsInTheLastStoredRow) {
    TempDir dir;
    const auto path = dir.File("p.jpg");
    WriteQuadrantJpeg(path, JpegKind::Baseline, 32, 32);
    auto picture = quillora::pictures::PictureLibrary(QUILLORA_BIN_DIR).LoadPicture(path);
    ASSERT_TRUE(picture);
    const std::uint8_t* topLeft = picture->bits.data() + picture->RowBytes() * 31;
    EXPECT_NEAR(topLeft[2], 255, 4);
    EXPECT_NEAR(topLeft[0], 0, 4);
    const std::uint8_t* bottomLeft = picture->bits.data();
    EXPECT_NEAR(bottomLeft[0], 255, 4);
    EXPECT_NEAR(bottomLeft[2], 0, 4);
}

TEST(JpegPlugin, RefusesDamagedFilesAndSizesItDidNotReport) {
    auto plugin = OpenShippedPlugin("jpeg.pip");
    ASSERT_TRUE(plugin);
    TempDir dir;
    const auto good = dir.File("good.jpg");
    WriteQuadrantJpeg(good, JpegKind::Progressive);
    const std::string bytes = ReadWholeFile(good);

    WriteWholeFile(dir.File("header.jpg"), bytes.substr(0, 100));
    WriteWholeFile(dir.File("text.jpg"), "\xFF\xD8 not really a JPEG file");
    std::string empty = bytes;
    const auto frame = empty.find("\xFF\xC2");  // progressive frame header: length, precision, height
    ASSERT_NE(frame, std::string::npos);
    empty[frame + 5] = empty[frame + 6] = 0;
    WriteWholeFile(dir.File("empty.jpg"), empty);
    for (const char* name : {"header.jpg", "text.jpg", "empty.jpg", "absent.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(DecodeWith(*plugin, dir.File(name)));
    }

    auto buffer = quillora::pictures::PluginPixelBuffer::Create(16, 16);
    EXPECT_FALSE(plugin->ReadPicture(good, *buffer));  // the file is 32 x 32
}
