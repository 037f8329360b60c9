#include "widgets/ColourSwatch.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "canvas/Colours.h"

namespace quillora::widgets {

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ColourSwatch::SetColour(document::Colour colour) {
    colour_ = colour & 0xFFFFFF;
    update();
}

QSize ColourSwatch::sizeHint() const { return QSize(40, 20); }

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), canvas::ToQColor(colour_));
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
}

}  // namespace quillora::widgets
