#include "WindowArrangement.h"

#include <QWidget>

namespace quillora::app {

void ArrangeToolWindows(QPoint topRight, std::span<const FloatingWindow> windows) {
    int y = topRight.y();
    for (const FloatingWindow& entry : windows) {
        if (!entry.window || !entry.viewFlag) continue;
        entry.window->move(topRight.x() - 200, y);
        y += entry.window->frameGeometry().height();
    }
}

bool FramesKnown(std::span<const FloatingWindow> windows) {
    for (const FloatingWindow& entry : windows) {
        if (!entry.window || !entry.viewFlag) continue;
        if (!entry.window->isVisible() || entry.window->frameGeometry() == entry.window->geometry()) return false;
    }
    return true;
}

}  // namespace quillora::app
