#include "LabelTransparency.h"

#include <algorithm>

#include "EllipseSpans.h"
#include "render/LabelRenderer.h"

namespace quillora::canvas {
namespace {

void ClearSpan(QImage& image, int y, int left, int right) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(row + std::clamp(left, 0, image.width()), row + std::clamp(right, 0, image.width()), qRgba(0, 0, 0, 0));
}

}  // namespace

QImage WithTransparentSurroundings(const QImage& label, const document::LabelDocument& doc) {
    QImage image = label.convertToFormat(QImage::Format_ARGB32);
    const int outerMm = doc.SafeOuterMm();
    const render::LabelOutline outline =
        render::OutlineOf(doc, 0, 0, outerMm, outerMm, image.width(), image.height());
    // The same spans the mask is filled with, so exactly its pixels turn transparent.
    const EllipseSpans disc(outline.disc, 0, image.height());
    const EllipseSpans hole(outline.hole, 0, image.height());
    const bool framed = doc.state.borderLine != 0;
    for (int y = 0; y < image.height(); ++y) {
        const Span outside = disc.Row(y);
        if (outside.Empty()) {
            ClearSpan(image, y, 0, image.width());
            continue;
        }
        ClearSpan(image, y, 0, outside.left);
        ClearSpan(image, y, outside.right, image.width());
        const Span inside = hole.Row(y);
        if (inside.Empty()) continue;
        if (!framed) {
            ClearSpan(image, y, inside.left, inside.right);
            continue;
        }
        // The hole's border is drawn inside its edge: only what lies between its two pieces goes.
        const std::vector<Span> frame = hole.FrameRow(y);
        if (frame.size() == 2) ClearSpan(image, y, frame[0].right, frame[1].left);
    }
    return image;
}

}  // namespace quillora::canvas
