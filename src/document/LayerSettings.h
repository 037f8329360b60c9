#pragma once
// The values new text and picture layers start from; the layer dialogs edit them.
#include <cstdint>

#include "Records.h"
#include "TextArc.h"

namespace quillora::document {

struct TextLayerSettings {
    char text[256];
    char fontFace[32];
    std::int32_t fontSize;
    std::int32_t fontItalic;
    std::int32_t fontUnderline;
    std::int32_t fontBold;
    std::int32_t fontStrike;
    Colour fontColor;
    std::int32_t posX;
    std::int32_t posY;
    std::int32_t angle;
    std::int32_t shadow;
    Colour shadowColor;
    std::int32_t shadowX;
    std::int32_t shadowY;
    TextArc arc;
};

struct PicLayerSettings {
    char picturePath[kPathBytes];
    std::int32_t placement;
    std::int32_t keepAspect;
    std::int32_t posX;
    std::int32_t posY;
    std::int32_t imageWidthPx;
    std::int32_t imageHeightPx;
    std::int32_t widthMm;
    std::int32_t heightMm;
};

}  // namespace quillora::document
