#include "app/WindowOwnership.h"

#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

namespace quillora::app {

namespace {

void SetTransientFor(const QWidget& window, const QWidget& owner) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t ownerId = static_cast<xcb_window_t>(owner.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &ownerId);
    xcb_flush(connection);
}

}  // namespace

void KeepAboveOwner(QWidget& window, QWidget& owner) {
    if (!qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) return;
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
