#include "PluginPixelBuffer.h"

#include "PictureLimits.h"

namespace quillora::pictures {

std::unique_ptr<PluginPixelBuffer> PluginPixelBuffer::Create(std::int32_t width, std::int32_t height) {
    if (!IsAcceptedPictureSize(width, height)) return nullptr;
    // calloc: large buffers come zeroed from the system without a pass over them.
    auto* pixels = static_cast<std::uint8_t*>(
        std::calloc(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 4));
    if (!pixels) return nullptr;
    return std::unique_ptr<PluginPixelBuffer>(new PluginPixelBuffer(width, height, pixels));
}

std::unique_ptr<document::Picture> PluginPixelBuffer::ToPicture() const {
    auto picture = std::make_unique<document::Picture>();
    picture->width = width_;
    picture->height = height_;
    const std::size_t rowBytes = picture->rowBytes();
    const std::size_t sourceRowBytes = static_cast<std::size_t>(width_) * 4;
    picture->bits.resize(rowBytes * static_cast<std::size_t>(height_));  // padding stays 0
    for (std::int32_t k = 0; k < height_; ++k) {
        const std::uint8_t* source = pixels_.get() + sourceRowBytes * static_cast<std::size_t>(height_ - 1 - k);
        std::uint8_t* target = picture->bits.data() + rowBytes * static_cast<std::size_t>(k);
        for (std::int32_t c = 0; c < width_; ++c, source += 4, target += 3) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
    return picture;
}

}  // namespace quillora::pictures
