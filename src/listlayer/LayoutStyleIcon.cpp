#include "LayoutStyleIcon.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace quillora::listlayer {
namespace {

constexpr double kRadius = 14.5;
constexpr double kCentre = 16.0;

// Half the width of the disc at a height y.
double HalfChord(double y) {
    const double dy = y - kCentre;
    return std::sqrt(std::max(0.0, kRadius * kRadius - dy * dy));
}

}  // namespace

void PaintLayoutStyleIcon(QPainter& painter, document::ListLayoutStyle style) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(kCentre, kCentre), kRadius, kRadius);
    painter.drawEllipse(QPointF(kCentre, kCentre), 4.0, 4.0);
    painter.setPen(QPen(Qt::darkBlue, 1.5));
    for (double y = 7; y <= 25; y += 3) {
        if (y > 11 && y < 21) continue;  // the hole
        const double half = HalfChord(y);
        switch (style) {
        case document::ListLayoutStyle::LeftAligned:
            painter.drawLine(QPointF(8, y), QPointF(14, y));
            break;
        case document::ListLayoutStyle::AlongCircle:
            painter.drawLine(QPointF(kCentre - half + 3, y), QPointF(kCentre - half + 9, y));
            break;
        case document::ListLayoutStyle::TwoColumns:
            painter.drawLine(QPointF(kCentre - half + 3, y), QPointF(kCentre - half + 7, y));
            painter.drawLine(QPointF(kCentre + half - 7, y), QPointF(kCentre + half - 3, y));
            break;
        }
    }
}

QPixmap LayoutStyleIcon(document::ListLayoutStyle style, qreal ratio) {
    const int pixels = qRound(kLayoutStyleIconSize * ratio);
    QPixmap pixmap(pixels, pixels);
    // The painter then works in logical pixels.
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintLayoutStyleIcon(painter, style);
    return pixmap;
}

}  // namespace quillora::listlayer
