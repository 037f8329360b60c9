#pragma once
// Where the label will lie on the sheet: the page at 1 pixel per millimetre over its shadow,
// and a close button above it.
#include <QDialog>
#include <QImage>

#include "document/LabelDocument.h"
#include "print/PaperDecision.h"

namespace quillora::print {

class PrintPreviewDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPageX = 10;
    static constexpr int kPageY = 40;
    static constexpr int kShadowOffset = 5;

    PrintPreviewDialog(const PaperSize& paper, const document::LabelDocument& doc, QWidget* parent);

    const QImage& Page() const { return page_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage page_;
};

}  // namespace quillora::print
