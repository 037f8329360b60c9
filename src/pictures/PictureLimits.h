#pragma once
// The largest picture accepted from a plug-in or a BMP file, checked before any allocation.
#include <cstdint>

#include "quillora_picture_plugin.h"

namespace quillora::pictures {

constexpr std::int64_t kMaxPictureSide = QUILLORA_PIP_MAX_SIDE;
// The plug-ins' own bound is larger; each picture decoded takes 3 bytes a pixel in every layer
// that shows it, so the program holds at most 100 megapixels (300 MB) of one.
constexpr std::int64_t kMaxPicturePixels = 100'000'000;
static_assert(kMaxPicturePixels <= QUILLORA_PIP_MAX_PIXELS);

constexpr bool IsAcceptedPictureSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

}  // namespace quillora::pictures
