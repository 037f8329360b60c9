#include "print/PrintDocument.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <cmath>

#include "document/AtomicFile.h"
#include "print/CropMarks.h"
#include "print/PdfPage.h"
#include "print/QueueState.h"

namespace quillora::print {

namespace {

PrintGeometry PaperGeometry(const PrintableArea& area, const document::LabelDocument& doc,
                            settings::PrinterOffset offset) {
    PrintGeometry g = ComputePrintGeometry(area, doc.header.marginLeft, doc.header.marginTop, doc.SafeOuterMm());
    g.originX += static_cast<int>(std::lround(offset.xTenths * g.hScale / 10));
    g.originY += static_cast<int>(std::lround(offset.yTenths * g.vScale / 10));
    return g;
}

// A file output, written beside its name by `write` and renamed over it only when complete.
PrintResult DeliverFile(const QString& name, const document::LabelDocument& doc,
                        const std::function<bool(document::ReplacementFile&)>& write) {
    document::ReplacementFile file(name.toStdString());
    if (!doc.currentFileName.empty() && file.Replaces(doc.currentFileName)) return {PrintOutcome::OutputIsLabel, {}};
    if (!file.IsOpen() || !write(file) || !file.Commit()) return {PrintOutcome::FileNotWritten, {}};
    return {};
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

bool LabelMayNotFit(const QPrinter& printer, const document::LabelDocument& doc) {
    return MayNotFit(PrintableAreaOf(printer), doc.header.marginLeft, doc.header.marginTop, doc.SafeOuterMm());
}

PrintResult PrintDocument(QPrinter& printer, const document::LabelDocument& doc, settings::PrinterOffset offset) {
    return DeliverPdf(printer, doc, [&] {
        PdfPage page = PdfPage::ForPrinter(printer);
        const PrintableArea area = PrintableAreaOf(printer);
        const PrintGeometry geometry = PaperGeometry(area, doc, offset);
        // What the renderer whitens outside the disc, over the whole printable area.
        page.FillRect({0, 0, area.widthDots, area.heightDots}, qRgb(255, 255, 255));
        page.DrawLabelSquare(doc, geometry);
        if (doc.header.cropMarks != 0) {
            for (const auto& [a, b] : CropMarkSegments(geometry)) {
                page.FillRect(QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)).normalized(), qRgb(0, 0, 0));
            }
        }
        return page;
    }, PrinterJobOptions(printer));
}

PrintResult WithPaper(QPrinter& printer, const QPageSize& paper, const std::function<PrintResult()>& job) {
    const QPageLayout layout = printer.pageLayout();
    const bool fullPage = printer.fullPage();
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(paper);
    printer.setFullPage(true);
    const PrintResult result = job();
    printer.setFullPage(fullPage);
    printer.setPageLayout(layout);
    return result;
}

PrintResult DeliverPage(QPrinter& printer, const document::LabelDocument& doc, const QPageSize& paper,
                        const std::function<void(QPainter&)>& paint) {
    return WithPaper(printer, paper, [&] {
        return DeliverJob(printer, doc, [&] {
            QPainter painter;
            if (!painter.begin(&printer)) return false;
            paint(painter);
            return painter.end();
        });
    });
}

PrintResult DeliverJob(QPrinter& printer, const document::LabelDocument& doc, const std::function<bool()>& paint) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString name = printer.outputFileName();
        return DeliverFile(name, doc, [&](document::ReplacementFile& file) {
            printer.setOutputFileName(QString::fromStdString(file.TemporaryPath()));
            const bool painted = paint();
            printer.setOutputFileName(name);
            // The PDF writer reports no write error: a complete file ends with its trailer.
            return painted && EndsWithPdfTrailer(file.TemporaryPath());
        });
    }
    if (auto refusal = QueueRefusal(printer.printerName())) return {PrintOutcome::SpoolerFailed, *refusal};
    return {paint() ? PrintOutcome::Printed : PrintOutcome::SpoolerFailed, {}};
}

PrintResult DeliverPdf(const QPrinter& printer, const document::LabelDocument& doc,
                       const std::function<PdfPage()>& makePage, const JobOptions& options) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return DeliverFile(printer.outputFileName(), doc, [&](document::ReplacementFile& file) {
            return makePage().Write(printer.docName(), [&](std::string_view bytes) { return file.Write(bytes); });
        });
    }
    // Asked before the label is rendered, which takes a while at the printer's resolution.
    if (auto refusal = QueueRefusal(printer.printerName())) return {PrintOutcome::SpoolerFailed, *refusal};
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/quillora-job-XXXXXX.pdf"));
    const bool written = file.open() && makePage().Write(printer.docName(), [&](std::string_view bytes) {
        return file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
    }) && file.flush();
    if (!written) return {PrintOutcome::SpoolerFailed, QStringLiteral("the page was not written")};
    return SendToQueue(printer, file.fileName(), options);
}

}  // namespace quillora::print
