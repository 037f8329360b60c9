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

}  // namespace quillora::app
