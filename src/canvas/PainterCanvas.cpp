#include "PainterCanvas.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <string>

#include "EllipseSpans.h"
#include "Colours.h"
#include "FontMapping.h"
#include "PictureStretch.h"
#include "ScaledPictures.h"
#include "text/Cp932.h"
#include "canvas/RecordText.h"

namespace quillora::canvas {


PainterCanvas::PainterCanvas(QPainter& painter, ScaledPictures* pictures, int pictureThreads)
    : painter_(painter), pictures_(pictures), pictureThreads_(pictureThreads) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

render::DeviceSize PainterCanvas::Size() const {
    const QPaintDevice* device = painter_.device();
    return {device->width(), device->height()};
}

void PainterCanvas::FillSpan(int y, int left, int right, const QColor& colour) {
    if (left < right) painter_.fillRect(QRect(left, y, right - left, 1), colour);
}

void PainterCanvas::FillRect(const render::DeviceRect& rect, document::Colour colour) {
    if (rect.left < rect.right && rect.top < rect.bottom)
        painter_.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), ToQColor(colour));
}

void PainterCanvas::FillOutsideEllipse(const render::DeviceRect& area, const render::DeviceRect& ellipse,
                                       document::Colour colour) {
    // Rows of the area above and below the ellipse are whole rectangles.
    int top = std::clamp(ellipse.top, area.top, area.bottom);
    int bottom = std::clamp(ellipse.bottom, top, area.bottom);
    FillRect({area.left, area.top, area.right, top}, colour);
    FillRect({area.left, bottom, area.right, area.bottom}, colour);
    QColor c = ToQColor(colour);
    EllipseSpans spans(ellipse, std::max(top, 0), std::min(bottom, Size().height));
    for (int y = spans.FirstRow(); y < spans.EndRow(); ++y) {
        Span row = spans.Row(y);
        if (row.Empty()) {
            FillSpan(y, area.left, area.right, c);
            continue;
        }
        FillSpan(y, area.left, std::min(row.left, area.right), c);
        FillSpan(y, std::max(row.right, area.left), area.right, c);
    }
}

void PainterCanvas::FillEllipse(const render::DeviceRect& ellipse, document::Colour colour) {
    QColor c = ToQColor(colour);
    EllipseSpans spans(ellipse, 0, Size().height);
    for (int y = spans.FirstRow(); y < spans.EndRow(); ++y) {
        Span row = spans.Row(y);
        FillSpan(y, row.left, row.right, c);
    }
}

void PainterCanvas::FrameEllipse(const render::DeviceRect& ellipse, document::Colour colour) {
    QColor c = ToQColor(colour);
    EllipseSpans spans(ellipse, 0, Size().height);
    for (int y = spans.FirstRow(); y < spans.EndRow(); ++y)
        for (const Span& piece : spans.FrameRow(y)) FillSpan(y, piece.left, piece.right, c);
}

void PainterCanvas::DrawLine(int x1, int y1, int x2, int y2, document::Colour colour) {
    painter_.setPen(QPen(ToQColor(colour), 1));
    painter_.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::SelectFont(const render::FontRequest& font) {
    QFont mapped = FontMapping::MakeFont(font);
    painter_.setFont(mapped);
    metrics_.emplace(mapped, painter_.device());
    cellHeight_ = font.cellHeight;
    angle_ = font.angle;
}

void PainterCanvas::DrawText(int x, int y, std::string_view text, document::Colour colour) {
    if (!metrics_ || text.empty()) return;
    painter_.setPen(ToQColor(colour));
    QString decoded = Cp932ToQString(text);
    if (angle_ == 0) {
        painter_.drawText(QPoint(x, y + metrics_->ascent()), decoded);
        return;
    }
    // Counter-clockwise on the page is a negative angle in y-down coordinates.
    QTransform saved = painter_.worldTransform();
    painter_.setWorldTransform(QTransform::fromTranslate(x, y).rotate(-angle_), true);
    painter_.drawText(QPoint(0, metrics_->ascent()), decoded);
    painter_.setWorldTransform(saved);
}

void PainterCanvas::DrawTextCentred(double x, double y, double degrees, std::string_view text,
                                    document::Colour colour) {
    if (!metrics_ || text.empty()) return;
    painter_.setPen(ToQColor(colour));
    const QString decoded = Cp932ToQString(text);
    // The same advance MeasureText gives the layout, and the requested cell.
    const double left = -metrics_->horizontalAdvance(decoded) / 2.0;
    const double baseline = -cellHeight_ / 2.0 + metrics_->ascent();
    QTransform saved = painter_.worldTransform();
    painter_.setWorldTransform(QTransform::fromTranslate(x, y).rotate(degrees), true);
    painter_.drawText(QPointF(left, baseline), decoded);
    painter_.setWorldTransform(saved);
}

render::DeviceSize PainterCanvas::MeasureText(std::string_view text) {
    if (!metrics_) return {};
    // Layout works with the requested cell, not the rounded metrics of the face.
    return {metrics_->horizontalAdvance(Cp932ToQString(text)), cellHeight_};
}

void PainterCanvas::DrawPicture(const document::Picture& picture, const render::DeviceRect& dest,
                                const render::DeviceRect& kept) {
    QRect rect(dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top);
    auto* image = dynamic_cast<QImage*>(painter_.device());
    const QTransform& transform = painter_.worldTransform();
    if (image && PictureStretch::Supports(*image) && !painter_.hasClipping() &&
        transform.type() <= QTransform::TxTranslate) {
        int dx = static_cast<int>(transform.dx());
        int dy = static_cast<int>(transform.dy());
        EllipseSpans keptSpans({kept.left + dx, kept.top + dy, kept.right + dx, kept.bottom + dy}, 0, image->height());
        const QRect disc(kept.left + dx, kept.top + dy, kept.right - kept.left, kept.bottom - kept.top);
        if (pictures_ == nullptr || !pictures_->Draw(*image, picture, rect.translated(dx, dy), disc, keptSpans))
            PictureStretch::Draw(*image, picture, rect.translated(dx, dy), keptSpans, pictureThreads_);
        return;
    }
    // Other devices (a printer page) get the rows wrapped as they are, drawn upside down since
    // they are stored bottom-up.
    const QImage wrapped(picture.bits.data(), picture.width, picture.height, static_cast<qsizetype>(picture.RowBytes()),
                         QImage::Format_BGR888);
    QTransform saved = transform;
    painter_.setWorldTransform(QTransform(1, 0, 0, -1, dest.left, dest.bottom), true);
    painter_.drawImage(QRect(0, 0, rect.width(), rect.height()), wrapped);
    painter_.setWorldTransform(saved);
}

}  // namespace quillora::canvas
