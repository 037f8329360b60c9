#include "TestImages.h"

#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace {
void Put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Ink amounts for the quadrant colours: red, green, blue, white.
constexpr std::uint8_t kCmyk[4][4] = {{0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 0}};
constexpr std::uint8_t kRgb[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
constexpr std::uint8_t kGrey[4] = {0x20, 0x60, 0xA0, 0xE0};
}  // namespace

std::string MakeBmp(const BmpSpec& layout) {
    const std::uint32_t headerBytes = 14 + 40 + 4 * static_cast<std::uint32_t>(layout.palette.size() + layout.bitMasks.size());
    std::string out = "BM";
    Put32(out, headerBytes + static_cast<std::uint32_t>(layout.pixelData.size()));
    Put32(out, 0);
    Put32(out, headerBytes);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(layout.width));
    Put32(out, static_cast<std::uint32_t>(layout.height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(layout.bitCount));
    Put32(out, layout.compression);
    Put32(out, static_cast<std::uint32_t>(layout.pixelData.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<std::uint32_t>(layout.palette.size()));
    Put32(out, 0);
    for (auto mask : layout.bitMasks) Put32(out, mask);
    for (auto colour : layout.palette) Put32(out, colour);
    return out + layout.pixelData;
}

void WriteQuadrantJpeg(const std::string& path, JpegKind kind, int width, int height, int exifOrientation) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    const bool cmyk = kind == JpegKind::Cmyk || kind == JpegKind::AdobeCmyk;
    const bool grey = kind == JpegKind::Greyscale;
    cinfo.input_components = cmyk ? 4 : grey ? 1 : 3;
    cinfo.in_color_space = cmyk ? JCS_CMYK : grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    if (cmyk) {
        jpeg_set_colorspace(&cinfo, JCS_CMYK);
        cinfo.write_Adobe_marker = kind == JpegKind::AdobeCmyk;
    }
    if (kind == JpegKind::Progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    if (exifOrientation != 0) {
        // "Exif", a little-endian TIFF header and one directory entry: Orientation, SHORT, 1.
        std::string exif("Exif\0\0II*\0", 10);
        Put32(exif, 8);
        Put16(exif, 1);
        Put16(exif, 0x0112);
        Put16(exif, 3);
        Put32(exif, 1);
        Put32(exif, static_cast<std::uint32_t>(exifOrientation));
        Put32(exif, 0);
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.data()),
                          static_cast<unsigned>(exif.size()));
    }
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * cinfo.input_components);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < width; ++x) {
            const int q = (y / 16 % 2) * 2 + x / 16 % 2;
            JSAMPLE* p = row.data() + static_cast<std::size_t>(x) * cinfo.input_components;
            if (grey) {
                p[0] = kGrey[q];
            } else if (cmyk) {
                for (int k = 0; k < 4; ++k)  // Adobe's writers store ink inverted
                    p[k] = kind == JpegKind::AdobeCmyk ? 255 - kCmyk[q][k] : kCmyk[q][k];
            } else {
                for (int k = 0; k < 3; ++k) p[k] = kRgb[q][k];
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}
