#include "ViewBitmap.h"

#include <QPainter>

#include "PainterCanvas.h"
#include "render/LabelRenderer.h"

namespace quillora::canvas {

void ViewBitmap::Render(const document::LabelDocument& doc) {
    int outerMm = doc.SafeOuterMm();
    int size = outerMm * kPixelsPerMm;
    if (image_.width() != size || image_.height() != size) image_ = QImage(size, size, QImage::Format_RGB32);
    QPainter painter(&image_);
    PainterCanvas canvas(painter);
    render::RenderLabel(canvas, doc, 0, 0, outerMm, outerMm, size, size, render::RenderTarget::View);
}

}  // namespace quillora::canvas
