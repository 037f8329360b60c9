#include "windows/SplashWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "widgets/Centring.h"
#include "windows/ScreenPicture.h"

namespace quillora::windows {

SplashWindow::SplashWindow()
    // Not kept on top: a dialog must never be hidden behind it.
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashWindow"));
    picture_ = ScreenPicture(QStringLiteral("splash"), devicePixelRatioF());
    const QSize size = picture_.deviceIndependentSize().toSize();
    setFixedSize(size);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(widgets::CentredPosition(screen->geometry(), size));
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace quillora::windows
