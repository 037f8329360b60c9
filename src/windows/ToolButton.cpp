#include "windows/ToolButton.h"

#include <QPainter>
#include <QPalette>

#include "document/LabelDocument.h"
#include "widgets/UiFont.h"

namespace quillora::windows {

ToolButtonLook ToolButtonLookFor(bool available, bool pressed) {
    if (!available) return ToolButtonLook::Unavailable;
    return pressed ? ToolButtonLook::Pressed : ToolButtonLook::Released;
}

ToolButton::ToolButton(int id, const QString& label, bool availableWithoutDocument, const document::LabelDocument& doc,
                       QWidget* parent)
    : QAbstractButton(parent), id_(id), availableWithoutDocument_(availableWithoutDocument), doc_(doc) {
    setText(label);
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::NoFocus);
    // Crisp two-tone text, as on the 16-colour button pictures.
    QFont face = widgets::UiFont();
    face.setStyleStrategy(QFont::NoAntialias);
    setFont(face);
}

ToolButtonLook ToolButton::Look() const {
    return ToolButtonLookFor(Available(), isDown());
}

QColor ToolButton::FaceColour(ToolButtonLook look) const {
    return look == ToolButtonLook::Pressed ? palette().color(QPalette::Light) : palette().color(QPalette::Button);
}

void ToolButton::paintEvent(QPaintEvent*) {
    const ToolButtonLook current = Look();
    const QPalette& pal = palette();
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, FaceColour(current));

    // Classic bevel: raised when released or unavailable, sunken when pressed.
    const bool sunken = current == ToolButtonLook::Pressed;
    const QColor outerTopLeft = sunken ? pal.color(QPalette::Shadow) : pal.color(QPalette::Light);
    const QColor outerBottomRight = sunken ? pal.color(QPalette::Light) : pal.color(QPalette::Shadow);
    const QColor innerBottomRight = pal.color(QPalette::Dark);
    p.setPen(outerTopLeft);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(outerBottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.setPen(innerBottomRight);
    if (sunken) {
        p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    } else {
        p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
        p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    }

    p.setFont(font());
    const QRect textRect = sunken ? r.translated(1, 1) : r;
    if (current == ToolButtonLook::Unavailable) {
        // Etched grey text, the way unavailable controls are drawn.
        p.setPen(pal.color(QPalette::Light));
        p.drawText(textRect.translated(1, 1), Qt::AlignCenter, text());
        p.setPen(pal.color(QPalette::Dark));
    } else {
        p.setPen(pal.color(QPalette::ButtonText));
    }
    p.drawText(textRect, Qt::AlignCenter, text());
}

}  // namespace quillora::windows
