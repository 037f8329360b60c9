#include "WindowPlacement.h"

#include <QWidget>

namespace quillora::app {

void ApplyFramePlacement(QWidget& frame, const settings::FramePlacement& placement) {
    frame.setGeometry(placement.posX, placement.posY, placement.sizeW, placement.sizeH);
}

settings::FramePlacement CaptureFramePlacement(const QWidget& frame) {
    const QRect normal = frame.normalGeometry();
    return {normal.x(), normal.y(), normal.width(), normal.height(), frame.isMaximized() ? 1 : 0};
}

void CaptureFloatingPosition(const QWidget& window, settings::FloatingWindowPlacement& placement) {
    placement.posX = window.x();
    placement.posY = window.y();
}

}  // namespace quillora::app
