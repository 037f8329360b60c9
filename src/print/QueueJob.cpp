#include "print/QueueJob.h"

#include <QPrintEngine>
#include <QPrinter>

#include "print/CupsClient.h"
#include "print/PrintDocument.h"

namespace quillora::print {
namespace {

// Where Qt's print engine for the print system keeps the print dialog's job options, as pairs.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(QPrintEngine::PPK_CustomBase);

const char* Sides(const QPrinter& printer) {
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        return "one-sided";
    case QPrinter::DuplexAuto:
        return printer.pageLayout().orientation() == QPageLayout::Portrait ? "two-sided-long-edge"
                                                                           : "two-sided-short-edge";
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    }
    return "one-sided";
}

}  // namespace

JobOptions PrinterJobOptions(const QPrinter& printer) {
    JobOptions options{{"media", printer.pageLayout().pageSize().key().toStdString()}};
    if (printer.copyCount() > 1) {
        options.emplace_back("copies", std::to_string(printer.copyCount()));
        if (printer.collateCopies()) options.emplace_back("Collate", "True");
    }
    options.emplace_back("sides", Sides(printer));
    if (printer.pageLayout().orientation() == QPageLayout::Landscape) options.emplace_back("landscape", "");
    const QStringList chosen = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < chosen.size(); i += 2) {
        options.emplace_back(chosen[i].toStdString(), chosen[i + 1].toStdString());
    }
    return options;
}

PrintResult SendToQueue(const QPrinter& printer, const QString& pdfPath, const JobOptions& options) {
    const CupsClient* cups = Cups();
    if (!cups) return {PrintOutcome::SpoolerFailed, QStringLiteral("no print system")};
    cups_option_t* list = nullptr;
    int count = 0;
    for (const auto& [name, value] : options) count = cups->addOption(name.c_str(), value.c_str(), count, &list);
    const QByteArray queue = printer.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray title = printer.docName().isEmpty() ? QByteArrayLiteral("Quillora") : printer.docName().toUtf8();
    const int job = cups->printFile(queue.constData(), pdfPath.toLocal8Bit().constData(), title.constData(), count, list);
    cups->freeOptions(count, list);
    if (job == 0) return {PrintOutcome::SpoolerFailed, QString::fromUtf8(cups->lastErrorString())};
    return {};
}

}  // namespace quillora::print
