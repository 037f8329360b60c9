#include "print/PrintDocument.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "canvas/PainterCanvas.h"
#include "canvas/PrinterBands.h"
#include "document/AtomicFile.h"
#include "print/CropMarks.h"
#include "print/QueueState.h"
#include "render/LabelRenderer.h"

namespace quillora::print {

// The label is rendered at the printer's resolution into images of its square, band by band,
// and sent as those images: drawn on the page directly, every picture layer would go to the
// print system whole, at its own size, which makes the job many times slower and larger. The
// images are coded losslessly, so flat colours and text edges print as rendered.
void DrawLabelSquare(QPainter& painter, const document::LabelDocument& doc, const PrintGeometry& g,
                     qsizetype bandBytes, int threads) {
    if (g.widthDev <= 0 || g.heightDev <= 0) return;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const canvas::BandLayout layout{g.widthDev, g.heightDev, canvas::PrinterBandRows(g.widthDev, g.heightDev, bandBytes)};
    canvas::RenderPrinterBands(doc, layout, threads, [&](int top, const QImage& band) {
        painter.drawImage(g.originX, g.originY + top, band);
    });
}

namespace {

PrintGeometry PaperGeometry(const PrintableArea& area, const document::LabelDocument& doc,
                            settings::PrinterOffset offset) {
    PrintGeometry g = ComputePrintGeometry(area, doc.header.marginLeft, doc.header.marginTop, doc.SafeOuterMm());
    g.originX += static_cast<int>(std::lround(offset.xTenths * g.hScale / 10));
    g.originY += static_cast<int>(std::lround(offset.yTenths * g.vScale / 10));
    return g;
}

bool EndsWithPdfTrailer(const std::string& path) {
    QFile file(QString::fromStdString(path));
    constexpr qint64 kTail = 64;
    if (!file.open(QIODevice::ReadOnly) || file.size() < kTail || !file.seek(file.size() - kTail)) return false;
    return file.read(kTail).contains("%%EOF");
}

}  // namespace

bool PaintPaperPage(QPrinter& printer, const document::LabelDocument& doc, settings::PrinterOffset offset,
                    const std::function<void(QPainter&, const PrintGeometry&)>& paint) {
    const PrintablePage page = PrintablePageOf(printer);
    const PrintGeometry geometry = PaperGeometry(page.area, doc, offset);
    if (page.fromPaperCorner) printer.setFullPage(true);
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        painter.translate(page.leftDots, page.topDots);
        paint(painter, geometry);
        printed = painter.end();
    }
    if (page.fromPaperCorner) printer.setFullPage(false);
    return printed;
}

void PaintPrintPage(QPainter& painter, const document::LabelDocument& doc, const PrintGeometry& geometry) {
    canvas::PainterCanvas canvas(painter);
    const render::DeviceSize area = canvas.Size();
    // What the renderer whitens outside the disc, over the whole printable area.
    canvas.FillRect({0, 0, area.width, area.height}, render::kPaperWhite);
    DrawLabelSquare(painter, doc, geometry);
    if (doc.header.cropMarks != 0) DrawCropMarks(canvas, geometry);
}

bool LabelMayNotFit(const QPrinter& printer, const document::LabelDocument& doc) {
    return MayNotFit(PrintableAreaOf(printer), doc.header.marginLeft, doc.header.marginTop, doc.SafeOuterMm());
}

PrintResult PrintDocument(QPrinter& printer, const document::LabelDocument& doc, settings::PrinterOffset offset) {
    return DeliverJob(printer, doc, [&] {
        return PaintPaperPage(printer, doc, offset, [&](QPainter& painter, const PrintGeometry& geometry) {
            PaintPrintPage(painter, doc, geometry);
        });
    });
}

PrintResult DeliverPage(QPrinter& printer, const document::LabelDocument& doc, const QPageSize& paper,
                        const std::function<void(QPainter&)>& paint) {
    const QPageLayout layout = printer.pageLayout();
    const bool fullPage = printer.fullPage();
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(paper);
    printer.setFullPage(true);
    const PrintResult result = DeliverJob(printer, doc, [&] {
        QPainter painter;
        if (!painter.begin(&printer)) return false;
        paint(painter);
        return painter.end();
    });
    printer.setFullPage(fullPage);
    printer.setPageLayout(layout);
    return result;
}

PrintResult DeliverJob(QPrinter& printer, const document::LabelDocument& doc, const std::function<bool()>& paint) {
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    if (!toFile) {
        if (auto refusal = QueueRefusal(printer.printerName())) return {PrintOutcome::SpoolerFailed, *refusal};
        return {paint() ? PrintOutcome::Printed : PrintOutcome::SpoolerFailed, {}};
    }
    const QString name = printer.outputFileName();
    document::ReplacementFile file(name.toStdString());
    if (!doc.currentFileName.empty() && file.Replaces(doc.currentFileName)) return {PrintOutcome::OutputIsLabel, {}};
    if (!file.IsOpen()) return {PrintOutcome::FileNotWritten, {}};
    printer.setOutputFileName(QString::fromStdString(file.TemporaryPath()));
    const bool painted = paint();
    printer.setOutputFileName(name);
    // The PDF writer reports no write error: a complete file ends with its trailer.
    if (!painted || !EndsWithPdfTrailer(file.TemporaryPath()) || !file.Commit()) {
        return {PrintOutcome::FileNotWritten, {}};
    }
    return {};
}

}  // namespace quillora::print
