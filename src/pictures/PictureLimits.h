#pragma once
// The largest picture accepted from a plug-in or a BMP file, checked before any allocation.
#include <cstdint>

#include "quillora_picture_plugin.h"

namespace quillora::pictures {

constexpr std::int64_t kMaxPictureSide = QUILLORA_PIP_MAX_SIDE;
constexpr std::int64_t kMaxPicturePixels = QUILLORA_PIP_MAX_PIXELS;

constexpr bool IsAcceptedPictureSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

}  // namespace quillora::pictures
