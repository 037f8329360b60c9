#include "windows/NoticeWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include "desktop/AppIcon.h"
#include "widgets/Centring.h"

namespace quillora::windows {

NoticeWindow::NoticeWindow(const QString& text)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), text_(new QLabel(text)) {
    setObjectName(QStringLiteral("noticeWindow"));
    // Never shown (no caption), but names the window for the window system and its tools.
    setWindowTitle(text);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    auto* icon = new QLabel(frame);
    icon->setPixmap(desktop::ApplicationIcon().pixmap(32, 32));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(16, 12, 20, 12);
    row->setSpacing(12);
    row->addWidget(icon);
    row->addWidget(text_);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setWindowIcon(desktop::ApplicationIcon());
    adjustSize();
}

QString NoticeWindow::Text() const { return text_->text(); }

void NoticeWindow::ShowNotice() {
    adjustSize();
    widgets::CentreOnScreen(*this);
    show();
    // Painting before the window system has exposed the window draws nothing: wait for the
    // exposure (the tick wakes the wait when no event comes), then paint and push it out.
    QTimer tick;
    tick.start(kExposePollMs);
    QElapsedTimer waited;
    waited.start();
    while (!(windowHandle() && windowHandle()->isExposed()) && waited.elapsed() < kExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    repaint();
    QGuiApplication::sync();
}

}  // namespace quillora::windows
