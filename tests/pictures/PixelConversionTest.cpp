// From the plug-in's top-down 32-bit buffer to the 24-bit bottom-up picture a layer keeps.
#include <gtest/gtest.h>

#include "PictureLibrary.h"
#include "PluginPixelBuffer.h"
#include "PluginTestFolder.h"

using quillora::pictures::PictureLibrary;
using quillora::pictures::PluginPixelBuffer;

TEST(PixelConversion, RowsArePaddedToFourBytesWithZeros) {
    PluginTestFolder folder;
    folder.Install("tp_accept", "a.pip");
    for (auto [width, rowBytes] : {std::pair{1, 4u}, {3, 12u}, {4, 12u}, {5, 16u}}) {
        SCOPED_TRACE(width);
        auto picture = PictureLibrary(folder.Dir()).LoadPicture(folder.Script("p.any", width, 3, 0xEE));
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width, width);
        EXPECT_EQ(picture->height, 3);
        EXPECT_EQ(picture->RowBytes(), rowBytes);
        ASSERT_EQ(picture->bits.size(), rowBytes * 3);
        for (int k = 0; k < 3; ++k) {
            // Stored row k is the buffer's row 2 - k; the test plug-in writes
            // blue 16r + c, green 0x80 + r, red 0x11 at row r, column c.
            const std::uint8_t* row = picture->bits.data() + rowBytes * k;
            const int r = 2 - k;
            for (int c = 0; c < width; ++c) {
                EXPECT_EQ(row[3 * c], 16 * r + c);
                EXPECT_EQ(row[3 * c + 1], 0x80 + r);
                EXPECT_EQ(row[3 * c + 2], 0x11);
            }
            for (unsigned pad = 3 * width; pad < rowBytes; ++pad) EXPECT_EQ(row[pad], 0) << "row " << k;
        }
    }
}

TEST(PixelConversion, TheBuffersFirstPixelIsTheTopLeftPixelInTheLastStoredRow) {
    auto buffer = PluginPixelBuffer::Create(2, 2);
    ASSERT_TRUE(buffer);
    const std::uint8_t pixels[16] = {1, 2, 3, 9, 4, 5, 6, 9, 7, 8, 10, 9, 11, 12, 13, 9};
    std::copy(std::begin(pixels), std::end(pixels), buffer->Data());
    auto picture = buffer->ToPicture();
    const std::vector<std::uint8_t> expected = {7, 8, 10, 11, 12, 13, 0, 0,   // bottom row first
                                                1, 2, 3, 4, 5, 6, 0, 0};
    EXPECT_EQ(picture->bits, expected);
    EXPECT_EQ(picture->TopRow(0)[0], 1);
}

TEST(PixelConversion, TheFourthByteOfEachPixelHasNoEffect) {
    PluginTestFolder folder;
    folder.Install("tp_accept", "a.pip");
    auto zero = PictureLibrary(folder.Dir()).LoadPicture(folder.Script("zero.any", 3, 2, 0));
    auto full = PictureLibrary(folder.Dir()).LoadPicture(folder.Script("full.any", 3, 2, 255));
    ASSERT_TRUE(zero && full);
    EXPECT_EQ(zero->bits, full->bits);
}

TEST(PixelConversion, TheBufferStartsZeroFilledAndRefusesUnacceptedSizes) {
    auto buffer = PluginPixelBuffer::Create(7, 5);
    ASSERT_TRUE(buffer);
    EXPECT_TRUE(std::all_of(buffer->Data(), buffer->Data() + 7 * 5 * 4, [](auto b) { return b == 0; }));
    EXPECT_FALSE(PluginPixelBuffer::Create(0, 1));
    EXPECT_FALSE(PluginPixelBuffer::Create(1, -1));
    EXPECT_FALSE(PluginPixelBuffer::Create(16384, 16385));
    EXPECT_FALSE(PluginPixelBuffer::Create(INT32_MAX, INT32_MAX));
}
