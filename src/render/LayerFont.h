#pragma once
// The font of a text layer or of the list, as the records describe it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "Canvas.h"

namespace quillora::render {

struct FontFields {
    std::string_view face;
    std::int32_t points = 0;
    std::int32_t weight = 0;
    std::int32_t italic = 0;
    std::int32_t underline = 0;
    std::int32_t strikeOut = 0;
    std::int32_t angle = 0;
};

// nullopt when the cell would be less than one device unit high (a size of 0 or below):
// such a font shows nothing, so its text is not drawn. Larger cells are limited to
// kMaxCellHeight, weights to 0..1000; the flags count by their low byte only; the angle is
// taken modulo 360.
std::optional<FontRequest> MakeFontRequest(const FontFields& fields, float vScale);

}  // namespace quillora::render
