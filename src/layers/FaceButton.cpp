#include "FaceButton.h"

#include <QPainter>
#include <QPolygon>

#include "widgets/UiFont.h"

namespace quillora::layers {

namespace {
const QColor kFace(192, 192, 192);
const QColor kShadow(128, 128, 128);
}  // namespace

FaceButton::FaceButton(const QString& text, QSize size, QWidget* parent) : QAbstractButton(parent) {
    setText(text);
    setFixedSize(size);
    setFocusPolicy(Qt::NoFocus);
    setFont(widgets::UiFont());
}

FaceButton::FaceButton(Qt::ArrowType arrow, QSize size, QWidget* parent) : QAbstractButton(parent), arrow_(arrow) {
    setFixedSize(size);
    setFocusPolicy(Qt::NoFocus);
}

void FaceButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    const bool pressed = isDown();
    painter.fillRect(r, pressed ? Qt::white : kFace);

    // Black outer edge at the bottom and right, white highlight inside the top and left,
    // grey shadow inside the bottom and right; a pressed button is drawn sunk in.
    const int right = r.width() - 1, bottom = r.height() - 1;
    painter.setPen(pressed ? Qt::black : Qt::white);
    painter.drawLine(0, 0, right - 1, 0);
    painter.drawLine(0, 0, 0, bottom - 1);
    painter.setPen(pressed ? Qt::white : Qt::black);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
    if (!pressed) {
        painter.setPen(kShadow);
        painter.drawLine(1, bottom - 1, right - 1, bottom - 1);
        painter.drawLine(right - 1, 1, right - 1, bottom - 1);
    }

    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
    painter.translate(shift);
    if (arrow_ != Qt::NoArrow) {
        if (disabledLook_) {
            painter.translate(1, 1);
            PaintArrow(painter, Qt::white);
            painter.translate(-1, -1);
        }
        PaintArrow(painter, disabledLook_ ? kShadow : Qt::black);
        return;
    }
    painter.setFont(font());
    if (disabledLook_) {
        painter.setPen(Qt::white);
        painter.drawText(r.translated(1, 1), Qt::AlignCenter, text());
    }
    painter.setPen(disabledLook_ ? kShadow : Qt::black);
    painter.drawText(r, Qt::AlignCenter, text());
}

void FaceButton::PaintArrow(QPainter& painter, const QColor& colour) const {
    const int cx = width() / 2, cy = height() / 2;
    const int dy = arrow_ == Qt::UpArrow ? -1 : 1;
    QPolygon triangle;
    triangle << QPoint(cx - 4, cy - 2 * dy) << QPoint(cx + 4, cy - 2 * dy) << QPoint(cx, cy + 2 * dy);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
}

}  // namespace quillora::layers
