#pragma once
// Where a window of a given size stands when centred on a screen: half the difference of the
// sizes, in integer division toward zero, so a window larger than the screen starts off it.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quillora::widgets {

inline QPoint CentredPosition(const QRect& screen, const QSize& window) {
    return screen.topLeft() + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

// Moves a top-level widget to the centre of the screen it is on (the primary screen by default).
void CentreOnScreen(QWidget& window);

}  // namespace quillora::widgets
