#include "WindowPlacement.h"

#include <QWidget>

#include "app/WindowArrangement.h"

namespace quillora::app {

void ApplyFramePlacement(QWidget& frame, const settings::FramePlacement& placement) {
    frame.setGeometry(placement.posX, placement.posY, placement.sizeW, placement.sizeH);
}

settings::FramePlacement CaptureFramePlacement(const QWidget& frame) {
    const QRect normal = frame.normalGeometry();
    return {normal.x(), normal.y(), normal.width(), normal.height(), frame.isMaximized() ? 1 : 0};
}

void CaptureFloatingPosition(const QWidget& window, settings::FloatingWindowPlacement& placement) {
    const QPoint outer = OuterRect(window).topLeft();
    placement.posX = outer.x();
    placement.posY = outer.y();
}

}  // namespace quillora::app
