// BMP files of every bit depth and row order through the BMP reader.
#include <gtest/gtest.h>

#include <QtGlobal>
#include <QString>

#include "BmpReader.h"
#include "Fifo.h"
#include "TempDir.h"
#include "TestImages.h"

using quillora::pictures::ReadBmpPicture;

namespace {
// The picture's pixel at column c of row r counted from the top, as 0xRRGGBB.
std::uint32_t PixelAt(const quillora::document::Picture& picture, int c, int r) {
    const std::uint8_t* p = picture.TopRow(r) + 3 * c;
    return static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}

// Reads the file and compares its 3 x 2 pixels, top row first.
void ExpectPixels(const std::string& bytes, const std::vector<std::uint32_t>& expected) {
    TempDir dir;
    WriteWholeFile(dir.File("p.bmp"), bytes);
    auto picture = ReadBmpPicture(dir.File("p.bmp"));
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, 3);
    ASSERT_EQ(picture->height, 2);
    ASSERT_EQ(picture->bits.size(), 2 * 12u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PixelAt(*picture, i % 3, i / 3), expected[i]) << "pixel " << i;
    for (int k = 0; k < 2; ++k)
        for (int pad = 9; pad < 12; ++pad) EXPECT_EQ(picture->bits[12 * k + pad], 0);
}

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
// Palette indices of the test picture, top row first.
const int kIndices[6] = {1, 2, 3, 0, 3, 1};
std::vector<std::uint32_t> Expected() {
    std::vector<std::uint32_t> out;
    for (int i : kIndices) out.push_back(kPalette[i]);
    return out;
}
}  // namespace

TEST(BmpReader, ReadsEveryUncompressedBitDepthBottomUpAndTopDown) {
    for (bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        // Rows in file order: bottom-up files start with the bottom row.
        const int first = topDown ? 0 : 1;
        const int second = 1 - first;
        auto rows = [&](auto encodeRow) { return encodeRow(first) + encodeRow(second); };
        const int height = topDown ? -2 : 2;
        auto index = [](int r, int c) { return kIndices[3 * r + c]; };

        // 1 bit: palette black and red; a pixel is red where the test picture has index 1.
        auto bit = [&](int r, int c) { return index(r, c) == 1 ? 1 : 0; };
        ExpectPixels(MakeBmp({3, height, 1, 0, {0x000000, 0xFF0000}, {},
                              rows([&](int r) { return std::string{char(bit(r, 0) << 7 | bit(r, 1) << 6 | bit(r, 2) << 5), 0, 0, 0}; })}),
                     {0xFF0000, 0, 0, 0, 0, 0xFF0000});
        ExpectPixels(MakeBmp({3, height, 4, 0, kPalette, {},
                              rows([&](int r) { return std::string{char(index(r, 0) << 4 | index(r, 1)), char(index(r, 2) << 4), 0, 0}; })}),
                     Expected());
        ExpectPixels(MakeBmp({3, height, 8, 0, kPalette, {},
                              rows([&](int r) { return std::string{char(index(r, 0)), char(index(r, 1)), char(index(r, 2)), 0}; })}),
                     Expected());
        auto direct = [&](auto encode) {
            return rows([&](int r) {
                std::string row;
                for (int c = 0; c < 3; ++c) row += encode(kPalette[index(r, c)]);
                row.resize((row.size() + 3) & ~std::size_t{3}, '\0');
                return row;
            });
        };
        auto rgb555 = [](std::uint32_t rgb) {
            std::uint32_t v = (rgb >> 19 & 31) << 10 | (rgb >> 11 & 31) << 5 | (rgb >> 3 & 31);
            return std::string{char(v & 0xFF), char(v >> 8)};
        };
        auto bgr = [](std::uint32_t rgb) { return std::string{char(rgb & 0xFF), char(rgb >> 8 & 0xFF), char(rgb >> 16)}; };
        // 5-bit channels widen to the full range: 31 reads as 255.
        ExpectPixels(MakeBmp({3, height, 16, 0, {}, {}, direct(rgb555)}), Expected());
        ExpectPixels(MakeBmp({3, height, 24, 0, {}, {}, direct(bgr)}), Expected());
        ExpectPixels(MakeBmp({3, height, 32, 0, {}, {}, direct([&](std::uint32_t rgb) { return bgr(rgb) + '\x7F'; })}),
                     Expected());
    }
}

namespace {
// One 16-bit row of three pixels, padded to 8 bytes.
std::string Row16(std::uint16_t a, std::uint16_t b, std::uint16_t c) {
    std::string row;
    for (std::uint16_t v : {a, b, c}) row += std::string{char(v & 0xFF), char(v >> 8)};
    return row + std::string(2, '\0');
}
}  // namespace

TEST(BmpReader, SixteenBitChannelsWidenToTheFullRangeByRepeatingTheirTopBits) {
    // 5-5-5: 31 -> 255, 16 -> 132, 1 -> 8, 0 -> 0. Bottom row first.
    const std::string rgb555 = Row16(31 << 10 | 16 << 5 | 1, 0x7FFF, 0) + Row16(1 << 10, 16, 0x8000 | 31 << 5);
    ExpectPixels(MakeBmp({3, 2, 16, 0, {}, {}, rgb555}),
                 {0x080000, 0x000084, 0x00FF00, 0xFF8408, 0xFFFFFF, 0x000000});  // the top bit is unused
    // 5-6-5 bit fields: green 63 -> 255, 32 -> 130, 1 -> 4; top-down.
    const std::string rgb565 = Row16(31 << 11 | 63 << 5 | 31, 32 << 5, 1 << 5 | 16) + Row16(0, 1 << 11, 31);
    ExpectPixels(MakeBmp({3, -2, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, rgb565}),
                 {0xFFFFFF, 0x008200, 0x000484, 0x000000, 0x080000, 0x0000FF});
    // Any other layout of bit fields, 4-4-4 here: 15 -> 255, 8 -> 136.
    const std::string rgb444 = Row16(15 << 8, 8 << 4, 15) + Row16(0x0FFF, 0, 8 << 8 | 8);
    ExpectPixels(MakeBmp({3, 2, 16, 3, {}, {0x0F00, 0x00F0, 0x000F}, rgb444}),
                 {0xFFFFFF, 0x000000, 0x880088, 0xFF0000, 0x008800, 0x0000FF});
}

TEST(BmpReader, RefusesDamagedSixteenBitFiles) {
    TempDir dir;
    const std::string rows = Row16(1, 2, 3) + Row16(4, 5, 6);
    const std::string whole = MakeBmp({3, 2, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, rows});
    WriteWholeFile(dir.File("cut.bmp"), whole.substr(0, whole.size() - 1));
    EXPECT_FALSE(ReadBmpPicture(dir.File("cut.bmp")));
    std::string badOffset = whole;
    badOffset[10] = 20;  // pixel data inside the header
    WriteWholeFile(dir.File("offset.bmp"), badOffset);
    EXPECT_FALSE(ReadBmpPicture(dir.File("offset.bmp")));
    WriteWholeFile(dir.File("wide.bmp"), MakeBmp({20000, 1, 16, 0, {}, {}, std::string(40000, '\0')}));
    EXPECT_FALSE(ReadBmpPicture(dir.File("wide.bmp")));
}

TEST(BmpReader, RefusesWhatIsNoRegularFileWithoutBlockingAndWithoutQtMessages) {
    TempDir dir;
    const std::string fifo = dir.File("fifo.bmp");
    ASSERT_TRUE(MakeFifo(fifo));
    static std::vector<std::string> messages;
    messages.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { messages.push_back(text.toStdString()); });
    for (const std::string& path : {fifo, dir.File("absent.bmp"), dir.Path(), std::string("/dev/null")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(ReturnsWithoutBlocking(fifo, [&] { return ReadBmpPicture(path); }));
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages, std::vector<std::string>{});
}

TEST(BmpReader, ReadsRunLengthEncodedFiles) {
    // RLE8, bottom row first: two pixels of index 3 and one of index 1, end of line; then
    // single pixels of index 1, 2 and 3; end of picture.
    std::string rle8 = {2, 3, 1, 1, 0, 0, 1, 1, 1, 2, 1, 3, 0, 1};
    ExpectPixels(MakeBmp({3, 2, 8, 1, kPalette, {}, rle8}), {0xFF0000, 0x00FF00, 0x0000FF, 0x0000FF, 0x0000FF, 0xFF0000});
}

TEST(BmpReader, RefusesWhatIsNoBmpFile) {
    TempDir dir;
    WriteWholeFile(dir.File("text.bmp"), "BM but nothing else");
    EXPECT_FALSE(ReadBmpPicture(dir.File("text.bmp")));
    EXPECT_FALSE(ReadBmpPicture(dir.File("absent.bmp")));
    auto whole = MakeBmp({3, 2, 24, 0, {}, {}, std::string(24, '\x10')});
    WriteWholeFile(dir.File("cut.bmp"), whole.substr(0, 40));
    EXPECT_FALSE(ReadBmpPicture(dir.File("cut.bmp")));
    WriteWholeFile(dir.File("huge.bmp"), MakeBmp({20000, 1, 24, 0, {}, {}, std::string(60000, '\0')}));
    EXPECT_FALSE(ReadBmpPicture(dir.File("huge.bmp")));
}
