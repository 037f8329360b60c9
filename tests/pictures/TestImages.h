#pragma once
// Picture files made by the tests: BMP files byte by byte, JPEG files through libjpeg.
#include <cstdint>
#include <string>
#include <vector>

// A BMP file with a 40-byte info header. `height` < 0 makes a top-down file; `pixelData` is
// written as given (rows padded by the caller, or RLE codes).
struct BmpSpec {
    int width = 0;
    int height = 0;
    int bitCount = 24;
    std::uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    std::vector<std::uint32_t> palette;     // 0x00RRGGBB entries
    std::vector<std::uint32_t> bitMasks;    // red, green, blue masks for bit fields
    std::string pixelData;
};
std::string MakeBmp(const BmpSpec& layout);

enum class JpegKind { Baseline, Progressive, Greyscale, Cmyk, AdobeCmyk };

// A JPEG file whose 16 x 16 quadrants hold the colours red, green, blue and white
// (greyscale: 0x20, 0x60, 0xA0, 0xE0), at the highest quality; with an EXIF orientation tag
// when `exifOrientation` is not 0.
void WriteQuadrantJpeg(const std::string& path, JpegKind kind, int width = 32, int height = 32,
                       int exifOrientation = 0);
