#pragma once
// One text layer: a line of text at a position in millimetres, turned by its angle, or laid out
// along its arc around the label's centre; its shadow (offset in unscaled device units) drawn first.
#include <optional>

#include "Canvas.h"
#include "document/Records.h"

namespace quillora::render {

// The layer's font at the vertical scale; an arc's characters turn one by one, so its font
// stays upright. nullopt when the text shows nothing (MakeFontRequest).
std::optional<FontRequest> TextLayerFont(const document::LayerRecord& layer, float vScale);

// (originX, originY) and widthDev x heightDev: the label's bounding square on the device.
void DrawTextLayer(Canvas& canvas, const document::LayerRecord& layer, int originX, int originY, int widthDev,
                   int heightDev, float hScale, float vScale);

}  // namespace quillora::render
