#pragma once
// The whole label painted into an image that is its bounding square: the view bitmap, qlrtool's
// render command and the render benchmarks all draw it this way.
#include <QImage>

#include "document/LabelDocument.h"
#include "render/LabelRenderer.h"

namespace quillora::canvas {

// Paints `doc` at (0, 0) with its outer diameter across the image's width and height.
void PaintLabelImage(QImage& image, const document::LabelDocument& doc, render::RenderTarget target);

}  // namespace quillora::canvas
