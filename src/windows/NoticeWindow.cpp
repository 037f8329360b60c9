#include "windows/NoticeWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

#include "desktop/AppIcon.h"
#include "widgets/Centring.h"

namespace quillora::windows {

NoticeWindow::NoticeWindow(const QString& text)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), text_(new QLabel(text)) {
    setObjectName(QStringLiteral("noticeWindow"));
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
    repaint();
}

}  // namespace quillora::windows
