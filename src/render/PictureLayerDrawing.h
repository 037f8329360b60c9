#pragma once
// One picture layer: its loaded picture stretched into a rectangle that the placement gives.
#include <optional>

#include "Canvas.h"
#include "document/Picture.h"
#include "document/Records.h"

namespace quillora::render {

// Where the layer's picture goes for a label whose bounding square is (originX, originY,
// widthDev x heightDev). nullopt when nothing is drawn: an unknown placement, an empty or
// mirrored rectangle (a size of 0 or below), or keeping the aspect of a picture whose stored
// pixel size is 0 or below.
std::optional<DeviceRect> PictureDestination(const document::LayerRecord& layer, int originX, int originY,
                                             int widthDev, int heightDev, float hScale, float vScale);

// Whether the layer's picture covers the whole disc: a visible picture layer stretched over the
// square with a picture to draw. Inside the disc nothing below it shows, and the mask paints over
// everything outside.
bool CoversDisc(const document::LayerRecord& layer, const document::Picture* picture);

// `picture` is the one the layer's slot holds; without one (or with an empty one) nothing is drawn.
// The mask of the label cuts the picture at the circle afterwards, so the canvas may leave out
// what lies outside the disc.
void DrawPictureLayer(Canvas& canvas, const document::LayerRecord& layer, const document::Picture* picture,
                      int originX, int originY, int widthDev, int heightDev, float hScale, float vScale);

}  // namespace quillora::render
