#include "windows/SplashWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "resources/Resources.h"
#include "widgets/Centring.h"

namespace quillora::windows {
namespace {

QPixmap SplashPicture() {
    resources::EnsureResources();
    return QPixmap(QStringLiteral(":/quillora/pictures/splash.png"));
}

}  // namespace

SplashWindow::SplashWindow()
    // Not kept on top: a dialog must never be hidden behind it.
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(SplashPicture()) {
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(picture_.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(widgets::CentredPosition(screen->geometry(), picture_.size()));
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace quillora::windows
