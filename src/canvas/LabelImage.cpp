#include "LabelImage.h"

#include <QPainter>

#include "PainterCanvas.h"

namespace quillora::canvas {

void PaintLabelImage(QImage& image, const document::LabelDocument& doc, render::RenderTarget target) {
    const int outerMm = doc.SafeOuterMm();
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    render::RenderLabel(canvas, doc, 0, 0, outerMm, outerMm, image.width(), image.height(), target);
}

}  // namespace quillora::canvas
