#include "print/PrintDocument.h"

#include <QPainter>
#include <QPrinter>

#include "canvas/PainterCanvas.h"
#include "print/CropMarks.h"
#include "render/LabelRenderer.h"

namespace quillora::print {
PrintableArea PrintableAreaOf(const QPrinter& printer) {
    // Whole device pixels and whole millimetres, as the printer reports its printable area.
    return {printer.width(), printer.height(), printer.widthMM(), printer.heightMM()};
}

void PaintPrintPage(QPainter& painter, const document::LabelDocument& doc, const PrintGeometry& geometry) {
    const int outerMm = doc.SafeOuterMm();
    canvas::PainterCanvas canvas(painter);
    render::RenderLabel(canvas, doc, geometry.originX, geometry.originY, outerMm, outerMm, geometry.widthDev,
                        geometry.heightDev, render::RenderTarget::Printer);
    if (doc.header.cropMarks != 0) DrawCropMarks(canvas, geometry);
}

PrintOutcome PrintDocument(QPrinter& printer, const document::LabelDocument& doc, const FitQuestion& mayNotFit) {
    const PrintableArea area = PrintableAreaOf(printer);
    const int outerMm = doc.SafeOuterMm();
    if (MayNotFit(area, doc.header.marginLeft, doc.header.marginTop, outerMm) && !mayNotFit()) {
        return PrintOutcome::Declined;
    }
    const PrintGeometry geometry = ComputePrintGeometry(area, doc.header.marginLeft, doc.header.marginTop, outerMm);
    QPainter painter;
    if (!painter.begin(&printer)) return PrintOutcome::SpoolerFailed;
    PaintPrintPage(painter, doc, geometry);
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::SpoolerFailed;
}

}  // namespace quillora::print
