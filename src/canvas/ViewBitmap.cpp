#include "ViewBitmap.h"

#include "LabelImage.h"
#include "document/Limits.h"

namespace quillora::canvas {

void ViewBitmap::Render(const document::LabelDocument& doc) {
    int size = doc.SafeOuterMm() * document::kViewPixelsPerMm;
    if (image_.width() != size || image_.height() != size) image_ = QImage(size, size, QImage::Format_RGB32);
    PaintLabelImage(image_, doc, render::RenderTarget::View);
}

}  // namespace quillora::canvas
