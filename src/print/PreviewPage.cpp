#include "print/PreviewPage.h"

#include <QPainter>

#include "canvas/PainterCanvas.h"
#include "render/LabelRenderer.h"

namespace quillora::print {

QImage PreviewPage(const PaperSize& paper, const document::LabelDocument& doc) {
    QImage page(paper.width, paper.height, QImage::Format_RGB32);
    page.fill(Qt::white);
    const int left = doc.header.marginLeft;
    const int top = doc.header.marginTop;
    const int outer = doc.SafeOuterMm();
    const int inset = (outer - doc.SafeInnerMm()) / 2;
    QPainter painter(&page);
    canvas::PainterCanvas canvas(painter);
    // The ring is the disc with the hole painted white again: the page is white already.
    canvas.FillEllipse({left, top, left + outer, top + outer}, kPreviewRingColour);
    canvas.FillEllipse({left + inset, top + inset, left + outer - inset, top + outer - inset}, render::kPaperWhite);
    return page;
}

}  // namespace quillora::print
