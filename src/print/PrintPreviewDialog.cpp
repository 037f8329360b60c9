#include "print/PrintPreviewDialog.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

#include "print/PrintControlIds.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"

namespace quillora::print {

PrintPreviewDialog::PrintPreviewDialog(QImage page, const QString& sheetName, settings::PrinterOffset offset,
                                       QWidget* parent)
    : QDialog(parent), page_(std::move(page)) {
    const QString title = QString::fromUtf8("印刷ﾌﾟﾚﾋﾞｭｰ [%1mm×%2mm]").arg(page_.width()).arg(page_.height());
    setWindowTitle(sheetName.isEmpty() ? title : title + QLatin1Char(' ') + sheetName);
    // Escape and the close box reject the dialog, as the button does.
    auto* close = widgets::MakeButton(*this, QString::fromUtf8("閉じる"), widgets::kCancelId);
    close->move(kPageX, (kPageY - close->sizeHint().height()) / 2);
    close->resize(close->sizeHint());
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    if (offset != settings::PrinterOffset{}) {
        const QString text = QString::fromUtf8("補正 %1, %2 mm")
                                 .arg(offset.xTenths / 10.0, 0, 'f', 1)
                                 .arg(offset.yTenths / 10.0, 0, 'f', 1);
        auto* note = widgets::WithId(new QLabel(text, this), kIdPreviewOffset);
        note->move(close->geometry().right() + kPageX, (kPageY - note->sizeHint().height()) / 2);
        note->resize(note->sizeHint());
    }
    setFixedSize(page_.width() + 2 * kPageX, page_.height() + kPageY + kPageX);
}

void PrintPreviewDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(kPageX + kShadowOffset, kPageY + kShadowOffset), page_.size()),
                     palette().color(QPalette::Dark));
    painter.drawImage(kPageX, kPageY, page_);
}

}  // namespace quillora::print
