#pragma once
// One text layer: a line of text at a position in millimetres, turned by its angle,
// its shadow (offset in unscaled device units) drawn first.
#include "Canvas.h"
#include "document/Records.h"

namespace quillora::render {

void DrawTextLayer(Canvas& canvas, const document::LayerRecord& layer, int originX, int originY,
                   float hScale, float vScale);

}  // namespace quillora::render
