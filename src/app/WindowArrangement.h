#pragma once
// Stacks the floating windows at the frame's top-right corner.
#include <QPoint>
#include <QRect>
#include <span>

class QWidget;

namespace quillora::app {

struct FloatingWindow {
    QWidget* window;
    bool viewFlag;  // windows whose "View" flag is clear take no place in the stack
};

// Each window's outer top-left goes to (topRight.x - 200, y), starting at topRight.y and moving
// down by each placed window's outer height.
void StackFloatingWindows(QPoint topRight, std::span<const FloatingWindow> windows);

// A top-level's outer rectangle: its geometry with the frame the window manager reports now.
QRect OuterRect(const QWidget& window);

// Whether every window that takes a place in the stack is shown with its window manager frame
// known: until then its outer height is only its inner height.
bool FramesKnown(std::span<const FloatingWindow> windows);

// Whether the windows stand where StackFloatingWindows puts them, as far as Qt knows.
bool IsArranged(QPoint topRight, std::span<const FloatingWindow> windows);

}  // namespace quillora::app
