#include "print/PreviewPage.h"

#include <QPainter>
#include <cmath>

#include "canvas/PainterCanvas.h"
#include "render/LabelRenderer.h"

namespace quillora::print {

namespace {

QImage WhitePage(const PaperSize& paper) {
    QImage page(paper.width, paper.height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// The label's ring in the square at (left, top) millimetres of the painter.
void DrawRing(QPainter& painter, const document::LabelDocument& doc, int left, int top) {
    const int outer = doc.SafeOuterMm();
    const int inset = (outer - doc.SafeInnerMm()) / 2;
    canvas::PainterCanvas canvas(painter);
    // The ring is the disc with the hole painted white again: the page is white already.
    canvas.FillEllipse({left, top, left + outer, top + outer}, kPreviewRingColour);
    canvas.FillEllipse({left + inset, top + inset, left + outer - inset, top + outer - inset}, render::kPaperWhite);
}

}  // namespace

QImage PreviewPage(const PaperSize& paper, const document::LabelDocument& doc, settings::PrinterOffset offset) {
    QImage page = WhitePage(paper);
    QPainter painter(&page);
    painter.translate(offset.xTenths / 10.0, offset.yTenths / 10.0);
    DrawRing(painter, doc, doc.header.marginLeft, doc.header.marginTop);
    return page;
}

QImage DiscPreviewPage(double pageMm, const document::LabelDocument& doc, settings::PrinterOffset offset) {
    const int side = static_cast<int>(std::lround(pageMm));
    QImage page = WhitePage({side, side});
    QPainter painter(&page);
    const double corner = (pageMm - doc.SafeOuterMm()) / 2;
    painter.translate(corner + offset.xTenths / 10.0, corner + offset.yTenths / 10.0);
    DrawRing(painter, doc, 0, 0);
    return page;
}

PaperSize SheetPreviewPaper(const sheets::LabelSheet& sheet) {
    return {static_cast<int>(std::lround(sheet.paperWidthMm)), static_cast<int>(std::lround(sheet.paperHeightMm))};
}

QImage SheetPreviewPage(const SheetJob& job, const document::LabelDocument& doc) {
    QImage page = WhitePage(SheetPreviewPaper(job.sheet));
    QPainter painter(&page);
    const double half = doc.SafeOuterMm() / 2.0;
    for (const int position : job.positions) {
        const sheets::SheetPoint& centre = job.sheet.centres[position];
        const QPointF corner(centre.x - half + job.offset.xTenths / 10.0, centre.y - half + job.offset.yTenths / 10.0);
        painter.save();
        painter.translate(corner);
        DrawRing(painter, doc, 0, 0);
        painter.restore();
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(QRgb(kPreviewDieCutColour)));
    painter.setBrush(Qt::NoBrush);
    for (const sheets::SheetPoint& centre : job.sheet.centres) {
        painter.drawEllipse(QPointF(centre.x, centre.y), job.sheet.outerMm / 2, job.sheet.outerMm / 2);
        painter.drawEllipse(QPointF(centre.x, centre.y), job.sheet.holeMm / 2, job.sheet.holeMm / 2);
    }
    return page;
}

}  // namespace quillora::print
