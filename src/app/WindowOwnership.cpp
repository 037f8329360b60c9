#include "app/WindowOwnership.h"

#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

namespace quillora::app {

namespace {

// The X11 connection of the window system, or null on any other (the offscreen platform
// answers the X11 interface too, without a connection).
xcb_connection_t* X11Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

void SetTransientFor(const QWidget& window, const QWidget& owner) {
    xcb_connection_t* connection = X11Connection();
    if (!connection) return;
    const xcb_window_t ownerId = static_cast<xcb_window_t>(owner.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &ownerId);
    xcb_flush(connection);
}

}  // namespace

void KeepAboveOwner(QWidget& window, QWidget& owner) {
    if (!X11Connection()) return;
    window.winId();  // the native window, so that its visibility can be followed
    // Qt writes its own transient-for hint whenever it maps the window, after this signal:
    // replace it once the window is up.
    QObject::connect(
        window.windowHandle(), &QWindow::visibleChanged, &window,
        [&window, &owner](bool visible) {
            if (!visible) return;
            SetTransientFor(window, owner);
            window.raise();
        },
        Qt::QueuedConnection);
}

}  // namespace quillora::app
