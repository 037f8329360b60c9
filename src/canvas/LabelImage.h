#pragma once
// The label painted into an image: the view bitmap, qlrtool's render command, the export and the
// render benchmarks all draw it this way.
#include <QImage>
#include <QPoint>

#include "RenderThreads.h"
#include "document/LabelDocument.h"
#include "render/LabelRenderer.h"

namespace quillora::canvas {

class ScaledPictures;

// Paints `doc` at (0, 0) with its outer diameter across the image's width and height.
void PaintLabelImage(QImage& image, const document::LabelDocument& doc, render::RenderTarget target);

// Paints the part of `doc` rendered `labelSize` pixels across and down that starts at `corner` of
// its bounding square: the same pixels as that part of a whole image of the label at that size.
// With `pictures`, the pictures are kept stretched there between calls. A picture's rows are
// shared among at most `pictureThreads` threads.
void PaintLabelRegion(QImage& image, const document::LabelDocument& doc, QSize labelSize, QPoint corner,
                      render::RenderTarget target, ScaledPictures* pictures = nullptr,
                      int pictureThreads = RenderThreads());

// A 300 mm label at 1200 dpi needs 14173 pixels; anything larger is a typing error.
inline constexpr int kMaxImageSide = 16384;

// The pixels across the label's square at `pixelsPerMm`: trunc(outer diameter x scale).
int LabelImageSide(const document::LabelDocument& doc, float pixelsPerMm);

// The label's square rendered at `pixelsPerMm` (RGB32), as qlrtool's render command and the
// export write it; a null image when the side is not within 1..kMaxImageSide or memory fails.
QImage RenderLabelImage(const document::LabelDocument& doc, float pixelsPerMm, render::RenderTarget target);

}  // namespace quillora::canvas
