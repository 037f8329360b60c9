#pragma once
// Where the label will lie on the sheet: the page at 1 pixel per millimetre over its shadow,
// and a close button above it, beside it the printer's calibration when there is one.
#include <QDialog>
#include <QImage>

#include "settings/PrintMedium.h"

namespace quillora::print {

class PrintPreviewDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPageX = 10;
    static constexpr int kPageY = 40;
    static constexpr int kShadowOffset = 5;

    // `page` is 1 pixel per millimetre of the paper; the caption names the sheet when there is one.
    PrintPreviewDialog(QImage page, const QString& sheetName, settings::PrinterOffset offset, QWidget* parent);

    const QImage& Page() const { return page_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage page_;
};

}  // namespace quillora::print
