#pragma once
class QWidget;

namespace quillora::app {

// Keeps a floating window above its owner, as an owned window stays above the window that owns
// it. The floating windows have no Qt parent or transient parent, because a dialog modal to the
// frame blocks every window whose transient parent is the frame, and they must stay live; so the
// ownership is told to the X11 window manager alone, each time the window is shown. Does nothing
// on other platforms.
void KeepAboveOwner(QWidget& window, QWidget& owner);

}  // namespace quillora::app
