#include "DocumentWindow.h"

#include <QCloseEvent>

#include "view/LabelView.h"

namespace quillora::view {

DocumentWindow::DocumentWindow(LabelView* view, int outerDiameter, int innerDiameter, QWidget* parent)
    : QMdiSubWindow(parent), view_(view) {
    setObjectName(QStringLiteral("documentWindow"));
    setWidget(view);
    setWindowTitle(TitleFor(outerDiameter, innerDiameter, view->Zoom()));
    setGeometry(0, 0, 100, 100);
    connect(view, &LabelView::zoomChanged, this, [this, outerDiameter, innerDiameter](int percent) {
        setWindowTitle(TitleFor(outerDiameter, innerDiameter, percent));
    });
}

QString DocumentWindow::TitleFor(int outerDiameter, int innerDiameter, int zoomPercent) {
    QString title = QStringLiteral("ﾗﾍﾞﾙ [外径%1mm：内径%2mm]").arg(outerDiameter).arg(innerDiameter);
    if (zoomPercent != kDefaultZoom) title += QStringLiteral(" %1%").arg(zoomPercent);
    return title;
}

void DocumentWindow::FitToLabel() {
    if (isMaximized() || isMinimized()) showNormal();
    const int side = view_->OuterPx() + 35;  // the rulers take 15 of the 35
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
