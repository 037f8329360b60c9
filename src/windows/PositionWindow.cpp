#include "windows/PositionWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QString>

#include "desktop/AppIcon.h"
#include "widgets/UiFont.h"
#include "widgets/FloatingWindowFlags.h"

namespace quillora::windows {
namespace {

const QString kNoPosition = QStringLiteral("---- mm ");

QString MmText(int mm) { return QStringLiteral("%1mm ").arg(mm); }

}  // namespace

std::array<QRect, 4> PositionLabelRects(const QSize& client) {
    const int x0 = (client.width() - 171) / 2;
    const int y0 = (client.height() - 16) / 2;
    return {QRect(x0, y0, 18, 16), QRect(x0 + 18, y0, 60, 16), QRect(x0 + 93, y0, 18, 16),
            QRect(x0 + 111, y0, 60, 16)};
}

PositionWindow::PositionWindow(workspace::Workspace& ws)
    : QWidget(nullptr, widgets::kFloatingWindowFlags),
      ws_(ws) {
    setObjectName(QStringLiteral("PositionWindow"));
    setWindowTitle(QString::fromUtf8("ﾎﾟｼﾞｼｮﾝ"));
    setWindowIcon(desktop::ApplicationIcon());
    setFixedSize(kClientWidth, kClientHeight);
    move(ws.settings.positionWindow.posX, ws.settings.positionWindow.posY);

    const QString texts[4] = {QString::fromUtf8("X："), kNoPosition, QString::fromUtf8("Y："), kNoPosition};
    const char* names[4] = {"xCaption", "xValue", "yCaption", "yValue"};
    const auto rects = PositionLabelRects(size());
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(texts[i], this);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->setFont(widgets::UiFont());
        label->setAlignment((i % 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        label->setGeometry(rects[i]);
        labels_[i] = label;
    }
}

void PositionWindow::SetPosition(int xMm, int yMm) {
    labels_[1]->setText(MmText(xMm));
    labels_[3]->setText(MmText(yMm));
}

void PositionWindow::ClearPosition() {
    labels_[1]->setText(kNoPosition);
    labels_[3]->setText(kNoPosition);
}

void PositionWindow::closeEvent(QCloseEvent* event) {
    ws_.settings.positionWindow.view = 0;
    event->accept();
    emit closedByUser();
}

}  // namespace quillora::windows
