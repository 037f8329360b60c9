// Picture files that claim far more pixels than they hold are refused before anything of the
// claimed size is allocated, by the BMP reader and by both shipped plug-ins.
#include <gtest/gtest.h>
#include <zlib.h>

#include "BmpReader.h"
#include "RealPlugin.h"
#include "TempDir.h"
#include "TestImages.h"

namespace {

std::string Le32(std::uint32_t v) {
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}
std::string Be32(std::uint32_t v) {
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

// An uncompressed BMP of `side` x `side` with ten bytes of pixels: 64 bytes in all.
std::string ShortBmp(std::uint32_t side, char bits) {
    std::string header = "BM" + Le32(64) + Le32(0) + Le32(54) + Le32(40) + Le32(side) + Le32(side);
    header += std::string{1, 0, bits, 0} + Le32(0) + Le32(10) + Le32(2835) + Le32(2835) + Le32(0) + Le32(0);
    return header + std::string(10, '\x7f');
}

std::string PngChunk(const std::string& type, const std::string& data) {
    const std::string body = type + data;
    const auto crc = static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size()));
    return Be32(static_cast<std::uint32_t>(data.size())) + body + Be32(crc);
}

// A PNG whose header says `side` x `side` RGB, with a few bytes of image data.
std::string ShortPng(std::uint32_t side) {
    return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", Be32(side) + Be32(side) + std::string("\x08\x02\0\0\0", 5)) +
           PngChunk("IDAT", std::string("\x78\x9c\x03\x00\x00\x00\x00\x01", 8)) + PngChunk("IEND", "");
}

}  // namespace

TEST(HugeClaims, FilesThatCannotHoldTheirPixelsAreRefused) {
    TempDir dir;
    for (const auto& [side, bits] : {std::pair{16384u, '\x18'}, {8000u, '\x18'}, {8000u, '\x10'}}) {
        WriteWholeFile(dir.File("big.bmp"), ShortBmp(side, bits));
        EXPECT_EQ(quillora::pictures::ReadBmpPicture(dir.File("big.bmp")), nullptr) << side << " x " << int(bits);
    }

    auto png = OpenShippedPlugin("png.pip");
    auto jpeg = OpenShippedPlugin("jpeg.pip");
    ASSERT_TRUE(png && jpeg);
    WriteWholeFile(dir.File("big.png"), ShortPng(8000));
    WriteQuadrantJpeg(dir.File("good.jpg"), JpegKind::Baseline);
    std::string bytes = ReadWholeFile(dir.File("good.jpg"));
    const auto frame = bytes.find("\xFF\xC0");  // length, precision, height, width
    ASSERT_NE(frame, std::string::npos);
    std::string big = bytes;
    big.replace(frame + 5, 4, std::string("\x1f\x40\x1f\x40", 4));  // 8000 x 8000
    WriteWholeFile(dir.File("big.jpg"), big);
    WriteWholeFile(dir.File("cut.jpg"), bytes.substr(0, bytes.size() * 3 / 4));

    std::int32_t width = 0, height = 0;
    EXPECT_FALSE(png->GetPictureSize(dir.File("big.png"), width, height));
    EXPECT_FALSE(jpeg->GetPictureSize(dir.File("big.jpg"), width, height));
    // Data that ends before the picture does is a failed read, not a grey picture.
    ASSERT_TRUE(DecodeWith(*jpeg, dir.File("good.jpg")));
    EXPECT_FALSE(DecodeWith(*jpeg, dir.File("cut.jpg")));
}
