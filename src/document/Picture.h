#pragma once
// A loaded picture as a layer slot holds it: 24 bits per pixel, rows stored bottom-up,
// blue-green-red, each row padded with zeros to a multiple of 4 bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillora::document {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    static constexpr std::size_t RowBytes(int width) {
        return (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    }
    std::size_t RowBytes() const { return RowBytes(width); }
    // Row r counted from the top of the picture.
    const std::uint8_t* TopRow(int r) const { return bits.data() + RowBytes() * (height - 1 - r); }
};

}  // namespace quillora::document
