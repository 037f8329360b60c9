#include "LabelImage.h"

#include <QPainter>

#include "PainterCanvas.h"
#include "render/DeviceUnits.h"

namespace quillora::canvas {
namespace {

void Paint(QImage& image, const document::LabelDocument& doc, QPoint origin, QSize size, render::RenderTarget target,
           ScaledPictures* pictures = nullptr, int pictureThreads = RenderThreads()) {
    const int outerMm = doc.SafeOuterMm();
    QPainter painter(&image);
    PainterCanvas canvas(painter, pictures, pictureThreads);
    render::RenderLabel(canvas, doc, origin.x(), origin.y(), outerMm, outerMm, size.width(), size.height(), target);
}

}  // namespace

void PaintLabelImage(QImage& image, const document::LabelDocument& doc, render::RenderTarget target) {
    Paint(image, doc, {0, 0}, image.size(), target);
}

void PaintLabelRegion(QImage& image, const document::LabelDocument& doc, QSize labelSize, QPoint corner,
                      render::RenderTarget target, ScaledPictures* pictures, int pictureThreads) {
    Paint(image, doc, -corner, labelSize, target, pictures, pictureThreads);
}

int LabelImageSide(const document::LabelDocument& doc, float pixelsPerMm) {
    return render::TruncateToDevice(static_cast<float>(doc.SafeOuterMm()) * pixelsPerMm);
}

QImage RenderLabelImage(const document::LabelDocument& doc, float pixelsPerMm, render::RenderTarget target) {
    const int side = LabelImageSide(doc, pixelsPerMm);
    if (side < 1 || side > kMaxImageSide) return {};
    QImage image(side, side, QImage::Format_RGB32);
    if (!image.isNull()) PaintLabelImage(image, doc, target);
    return image;
}

}  // namespace quillora::canvas
