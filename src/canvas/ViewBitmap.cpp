#include "ViewBitmap.h"

#include <QPainter>
#include <QRegion>

#include "LabelImage.h"

namespace quillora::canvas {

const QImage& ViewBitmap::Region(const document::LabelDocument& doc, int side, const QRect& region) {
    if (current_ && side == side_ && region == region_) return image_;
    // A scroll keeps most of the part shown: those pixels move, only the uncovered strips render.
    const QRect kept = current_ && side == side_ ? region.intersected(region_) : QRect();
    QImage image(region.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    pictures_.Begin(doc);
    if (!kept.isEmpty()) painter.drawImage(kept.topLeft() - region.topLeft(), image_, kept.translated(-region_.topLeft()));
    for (const QRect& strip : QRegion(region).subtracted(kept)) {
        QImage pixels(strip.size(), QImage::Format_RGB32);
        if (kept.isEmpty())
            below_.Paint(pixels, doc, side, strip.topLeft(), &pictures_);
        else
            PaintLabelRegion(pixels, doc, {side, side}, strip.topLeft(), render::RenderTarget::View, &pictures_);
        painter.drawImage(strip.topLeft() - region.topLeft(), pixels);
    }
    pictures_.End();
    painter.end();
    image_ = std::move(image);
    side_ = side;
    region_ = region;
    current_ = true;
    return image_;
}

void ViewBitmap::Clear() {
    image_ = QImage();
    pictures_.Clear();
    below_.Clear();
    current_ = false;
}

}  // namespace quillora::canvas
