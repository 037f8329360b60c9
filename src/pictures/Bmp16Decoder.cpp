#include "Bmp16Decoder.h"

#include <QByteArray>
#include <QIODevice>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>

#include "LittleEndian.h"
#include "PictureLimits.h"

namespace quillora::pictures {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;

// One colour channel of a pixel: where its mask sits and how many bits wide it is.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        bits = std::popcount(mask);
    }

    // The channel widened to 8 bits by repeating its bits, so that the largest value is 255:
    // (v << 3) | (v >> 2) for 5 bits, (v << 2) | (v >> 4) for 6 bits.
    std::uint8_t Expand(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        const std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
        std::uint32_t out = 0;
        for (int at = 8 - bits; at > -bits; at -= bits) out |= at >= 0 ? v << at : v >> -at;
        return static_cast<std::uint8_t>(out);
    }
};

using Result = std::optional<std::unique_ptr<document::Picture>>;

// A 16-bit file that cannot be read: no other reader gets it either.
Result Damaged() { return std::unique_ptr<document::Picture>(); }

}  // namespace

std::optional<std::unique_ptr<document::Picture>> ReadBmp16(QIODevice& file) {
    // The file header, the first 40 bytes of the info header and the three masks after them.
    const QByteArray header = file.peek(kFileHeaderBytes + 40 + 12);
    if (header.size() < kFileHeaderBytes + 40 || !header.startsWith("BM")) return std::nullopt;
    const std::uint32_t infoBytes = Get32(header, 14);
    const std::uint32_t compression = Get32(header, 30);
    if ((infoBytes != 40 && infoBytes != 52 && infoBytes != 56 && infoBytes != 108 && infoBytes != 124) ||
        Get16(header, 28) != 16 || (compression != kBiRgb && compression != kBiBitFields))
        return std::nullopt;

    const auto width = static_cast<std::int32_t>(Get32(header, 18));
    const auto storedHeight = static_cast<std::int32_t>(Get32(header, 22));
    const bool topDown = storedHeight < 0;
    const std::int64_t height = std::abs(static_cast<std::int64_t>(storedHeight));
    if (!IsAcceptedPictureSize(width, height) || Get16(header, 26) != 1) return Damaged();

    std::array<Channel, 3> channels{Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};  // red, green, blue
    std::uint32_t dataStart = kFileHeaderBytes + infoBytes;
    if (compression == kBiBitFields) {
        if (header.size() < kFileHeaderBytes + 52) return Damaged();
        // A 40-byte header is followed by the masks; longer headers hold them in the same place.
        for (int i = 0; i < 3; ++i) channels[i] = Channel(Get32(header, kFileHeaderBytes + 40 + 4 * i));
        if (infoBytes == 40) dataStart += 12;
    }
    const std::uint32_t offset = Get32(header, 10);
    if (offset < dataStart || !file.seek(offset)) return Damaged();

    const std::size_t fileRowBytes = (static_cast<std::size_t>(width) * 2 + 3) & ~std::size_t{3};
    auto picture = std::make_unique<document::Picture>();
    picture->width = width;
    picture->height = static_cast<int>(height);
    const std::size_t rowBytes = picture->RowBytes();
    picture->bits.resize(rowBytes * static_cast<std::size_t>(height));  // padding stays 0
    QByteArray row(static_cast<qsizetype>(fileRowBytes), '\0');
    for (std::int64_t r = 0; r < height; ++r) {
        if (file.read(row.data(), row.size()) != row.size()) return Damaged();
        // Pictures are stored bottom row first, as bottom-up files are.
        const std::int64_t k = topDown ? height - 1 - r : r;
        std::uint8_t* target = picture->bits.data() + rowBytes * static_cast<std::size_t>(k);
        for (std::int32_t c = 0; c < width; ++c, target += 3) {
            const std::uint32_t pixel = Get16(row, 2 * c);
            target[0] = channels[2].Expand(pixel);
            target[1] = channels[1].Expand(pixel);
            target[2] = channels[0].Expand(pixel);
        }
    }
    return picture;
}

}  // namespace quillora::pictures
