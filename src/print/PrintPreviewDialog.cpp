#include "print/PrintPreviewDialog.h"

#include <QPainter>
#include <QPalette>
#include <QPushButton>

#include "print/PrintControlIds.h"
#include "print/PreviewPage.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"

namespace quillora::print {

PrintPreviewDialog::PrintPreviewDialog(const PaperSize& paper, const document::LabelDocument& doc, QWidget* parent)
    : QDialog(parent), page_(PreviewPage(paper, doc)) {
    setWindowTitle(QString::fromUtf8("印刷ﾌﾟﾚﾋﾞｭｰ [%1mm×%2mm]").arg(paper.width).arg(paper.height));
    // Escape and the close box reject the dialog, as the button does.
    auto* close = widgets::MakeButton(*this, QString::fromUtf8("閉じる"), widgets::kCancelId);
    close->move(kPageX, (kPageY - close->sizeHint().height()) / 2);
    close->resize(close->sizeHint());
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(paper.width + 2 * kPageX, paper.height + kPageY + kPageX);
}

void PrintPreviewDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(kPageX + kShadowOffset, kPageY + kShadowOffset), page_.size()),
                     palette().color(QPalette::Dark));
    painter.drawImage(kPageX, kPageY, page_);
}

}  // namespace quillora::print
