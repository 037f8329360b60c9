#include "DocumentWindow.h"

#include <QCloseEvent>

#include "view/LabelView.h"

namespace quillora::view {

DocumentWindow::DocumentWindow(LabelView* view, int outerDiameter, int innerDiameter, QWidget* parent)
    : QMdiSubWindow(parent), view_(view) {
    setObjectName(QStringLiteral("documentWindow"));
    setWidget(view);
    setWindowTitle(TitleFor(outerDiameter, innerDiameter));
    setGeometry(0, 0, 100, 100);
}

QString DocumentWindow::TitleFor(int outerDiameter, int innerDiameter) {
    return QStringLiteral("ﾗﾍﾞﾙ [外径%1mm：内径%2mm]").arg(outerDiameter).arg(innerDiameter);
}

void DocumentWindow::FitToLabel(int outerPx) {
    if (isMaximized() || isMinimized()) showNormal();
    const int side = outerPx + 35;  // the rulers take 15 of the 35
    // The frame and scroll bars around the client are whatever the style makes them: measure them,
    // and measure again once the new size has been laid out.
    for (int attempt = 0; attempt < 2 && view_->ClientSize() != QSize(side, side); ++attempt) {
        const QSize nonClient = size() - view_->ClientSize();
        resize(nonClient.width() + side, nonClient.height() + side);
    }
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

}  // namespace quillora::view
