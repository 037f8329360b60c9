#include "LampButton.h"

#include <QPainter>

namespace quillora::layers {

namespace {
constexpr QSize kSize(20, 25);

QColor LampColour(Lamp lamp) {
    switch (lamp) {
    case Lamp::List: return QColor(0, 0, 255);
    case Lamp::Text: return QColor(0, 192, 0);
    case Lamp::Picture: return QColor(255, 0, 0);
    default: return QColor(128, 128, 128);
    }
}
}  // namespace

LampButton::LampButton(QWidget* parent) : QAbstractButton(parent) {
    setFixedSize(kSize);
    setFocusPolicy(Qt::NoFocus);
}

void LampButton::paintEvent(QPaintEvent*) {
    if (lamp_ == Lamp::None) return;
    QPainter painter(this);
    // A sunken socket, the same for every kind.
    const QRect socket(3, 6, 13, 13);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(socket.topLeft(), socket.topRight());
    painter.drawLine(socket.topLeft(), socket.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(socket.bottomLeft(), socket.bottomRight());
    painter.drawLine(socket.topRight(), socket.bottomRight());
    if (lamp_ == Lamp::Frame) return;

    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = LampColour(lamp_);
    painter.setPen(colour.darker(160));
    painter.setBrush(colour);
    painter.drawEllipse(socket.adjusted(2, 2, -2, -2));
    // A small highlight so the lamp reads as lit.
    if (lamp_ != Lamp::Hidden) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour.lighter(170));
        painter.drawEllipse(QRect(socket.left() + 4, socket.top() + 4, 3, 3));
    }
}

}  // namespace quillora::layers
