#include "WindowArrangement.h"

#include <QMargins>
#include <QWidget>
#include <QWindow>

namespace quillora::app {
namespace {

// The window manager's frame as the window system reports it now. QWidget::frameGeometry() keeps
// the margins it saw at the window's last move, which before the first framing are none.
QMargins FrameMargins(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

// Calls place(window, outer top-left) for each window that takes a place in the stack.
template <typename Place>
void WalkStack(QPoint topRight, std::span<const FloatingWindow> windows, Place place) {
    int y = topRight.y();
    for (const FloatingWindow& entry : windows) {
        if (!entry.window || !entry.viewFlag) continue;
        place(*entry.window, QPoint(topRight.x() - 200, y));
        y += OuterRect(*entry.window).height();
    }
}

}  // namespace

QRect OuterRect(const QWidget& window) { return window.geometry().marginsAdded(FrameMargins(window)); }

void StackFloatingWindows(QPoint topRight, std::span<const FloatingWindow> windows) {
    WalkStack(topRight, windows, [](QWidget& window, QPoint outer) {
        const QMargins frame = FrameMargins(window);
        window.setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), window.size()));
    });
}

bool FramesKnown(std::span<const FloatingWindow> windows) {
    for (const FloatingWindow& entry : windows) {
        if (!entry.window || !entry.viewFlag) continue;
        if (!entry.window->isVisible() || FrameMargins(*entry.window).isNull()) return false;
    }
    return true;
}

bool IsArranged(QPoint topRight, std::span<const FloatingWindow> windows) {
    bool arranged = true;
    WalkStack(topRight, windows, [&](QWidget& window, QPoint outer) {
        arranged = arranged && OuterRect(window).topLeft() == outer;
    });
    return arranged;
}

}  // namespace quillora::app
