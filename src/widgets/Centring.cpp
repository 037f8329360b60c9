#include "widgets/Centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillora::widgets {

void CentreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window.move(CentredPosition(screen->geometry(), window.size()));
}

}  // namespace quillora::widgets
