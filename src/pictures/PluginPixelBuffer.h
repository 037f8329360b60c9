#pragma once
// The buffer a plug-in fills: width x height x 4 bytes, zero-filled, rows top-down,
// blue-green-red and a fourth byte that is ignored.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "document/Picture.h"

namespace quillora::pictures {

class PluginPixelBuffer {
public:
    // Null when the size is not accepted or the memory cannot be had.
    static std::unique_ptr<PluginPixelBuffer> Create(std::int32_t width, std::int32_t height);

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    std::uint8_t* Data() { return pixels_.get(); }
    const std::uint8_t* Data() const { return pixels_.get(); }

    // The 24-bit bottom-up picture of the buffer's pixels: the buffer's top row becomes the
    // picture's last stored row.
    std::unique_ptr<document::Picture> ToPicture() const;

private:
    struct Free {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    PluginPixelBuffer(std::int32_t width, std::int32_t height, std::uint8_t* pixels)
        : width_(width), height_(height), pixels_(pixels) {}

    std::int32_t width_;
    std::int32_t height_;
    std::unique_ptr<std::uint8_t, Free> pixels_;
};

}  // namespace quillora::pictures
