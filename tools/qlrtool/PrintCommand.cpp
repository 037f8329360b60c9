// qlrtool print FILE.qlr (--printer NAME | --pdf OUT.pdf) [--dpi D]: the print job without
// dialogs, for scripts and batch printing.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

#include "CommandTable.h"
#include "DocumentReading.h"
#include "PictureReport.h"
#include "SheetOptions.h"
#include "pictures/PictureLibrary.h"
#include "print/PaperCodes.h"
#include "print/DiscPrint.h"
#include "print/PrintDocument.h"
#include "print/PrinterSelection.h"
#include "settings/ProgramDirectory.h"
#include "workspace/Captions.h"

namespace qlrtool {
namespace {

constexpr char kUsage[] =
    "print FILE.qlr (--printer NAME | --pdf OUT.pdf) [--dpi D] [--sheet NAME [--position LIST|all] | --tray] [--offset X,Y]";
constexpr int kExitPrinter = 3;
constexpr int kDefaultDpi = 600;
constexpr int kMaxDpi = 9600;

struct PrintOptions {
    std::string input;
    SheetRequest sheet;
    std::optional<std::string> printer;
    std::optional<std::string> pdf;
    int dpi = kDefaultDpi;
    bool dpiGiven = false;  // a queue otherwise prints at its own resolution
};

std::optional<int> Dpi(const std::string& text) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < 1 || v > kMaxDpi) return std::nullopt;
    return static_cast<int>(v);
}

std::optional<PrintOptions> ParseOptions(std::vector<std::string> args) {
    PrintOptions options;
    if (!TakeSheetOptions(args, options.sheet)) return std::nullopt;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--printer" || a == "--pdf") {
            if (options.printer || options.pdf || i + 1 >= args.size()) return std::nullopt;
            (a == "--printer" ? options.printer : options.pdf) = args[++i];
        } else if (a == "--dpi") {
            if (options.dpiGiven || i + 1 >= args.size()) return std::nullopt;
            const auto dpi = Dpi(args[++i]);
            if (!dpi) return std::nullopt;
            options.dpi = *dpi;
            options.dpiGiven = true;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1 || (!options.printer && !options.pdf)) return std::nullopt;
    options.input = files[0];
    return options;
}

// A4 portrait whose printable area is the whole sheet.
std::unique_ptr<QPrinter> PdfPrinter(const std::string& path, int dpi) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setDocName(QString::fromUtf8(quillora::workspace::caption::kProductName));
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    printer->setFullPage(true);
    printer->setResolution(dpi);
    return printer;
}

int Report(const quillora::print::PrintResult& result, const std::string& pdf) {
    using quillora::print::PrintOutcome;
    switch (result.outcome) {
    case PrintOutcome::Printed: return kExitOk;
    case PrintOutcome::SpoolerFailed:
        std::cerr << "print: the printer or the print system refused the job";
        if (!result.reason.isEmpty()) std::cerr << ": " << result.reason.toStdString();
        std::cerr << "\n";
        break;
    case PrintOutcome::FileNotWritten: std::cerr << "print: \"" << pdf << "\" could not be written\n"; break;
    case PrintOutcome::OutputIsLabel:
        std::cerr << "print: \"" << pdf << "\" is the label being printed; it is left as it is\n";
        break;
    }
    return kExitPrinter;
}

// The disc alone, centred on its page: with the queue's tray options, or as a file.
int PrintOnDisc(QPrinter& printer, const quillora::document::LabelDocument& doc,
                quillora::settings::PrinterOffset offset, const std::string& pdf) {
    namespace print = quillora::print;
    if (!pdf.empty()) return Report(print::PrintOnDisc(printer, doc, print::FileDiscPlan(doc.SafeOuterMm(), offset)), pdf);
    const auto tray = print::QueueDiscTray(printer.printerName());
    if (!tray) {
        std::cerr << "print: the printer \"" << printer.printerName().toStdString() << "\" has no disc tray\n";
        return kExitPrinter;
    }
    const print::DiscPlanResult planned = print::PlanDiscJob(*tray, doc.SafeOuterMm(), doc.SafeInnerMm(), offset);
    if (!planned.plan) {
        std::cerr << "print: the label's diameter does not fit the printer's disc tray\n";
        return kExitUsage;
    }
    return Report(print::PrintOnDisc(printer, doc, *planned.plan), pdf);
}

int Print(const std::vector<std::string>& args) {
    const auto options = ParseOptions(args);
    if (!options) return UsageError(kUsage);
    quillora::document::LabelDocument doc;
    if (!ReadDocumentOrReport(options->input, doc)) return kExitFile;
    int exitCode = kExitOk;
    const auto offset = ResolveOffset(options->sheet, exitCode);
    if (!offset) return exitCode;
    std::optional<quillora::print::SheetJob> sheet;
    if (options->sheet.sheet) {
        sheet = ResolveSheet(options->sheet, exitCode);
        if (!sheet) return exitCode;
        sheet->offset = *offset;
    }

    // Fonts need a GUI application, printing no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "qlrtool";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    std::unique_ptr<QPrinter> printer;
    if (options->printer) {
        const QString queue = QString::fromStdString(*options->printer);
        if (QPrinterInfo::printerInfo(queue).isNull()) {
            std::cerr << "print: no printer named \"" << *options->printer << "\"\n";
            return kExitPrinter;
        }
        printer = quillora::print::MakePrinter(queue);
        if (options->dpiGiven) printer->setResolution(options->dpi);
    } else {
        printer = PdfPrinter(*options->pdf, options->dpi);
    }
    // The paper and orientation stored in the label, as the program applies them.
    quillora::print::PrinterSelection selection(std::move(printer));
    quillora::print::ApplyPaperCodes(selection, doc.paper);
    ReportMissingPictures(quillora::pictures::PictureLibrary(quillora::settings::ProgramDirectory()).RebuildPictures(doc));

    doc.currentFileName = options->input;  // never printed over
    if (options->sheet.tray) return PrintOnDisc(selection.Printer(), doc, *offset, options->pdf.value_or(""));
    if (sheet) {
        if (quillora::print::LabelMissesDieCut(*sheet, doc.SafeOuterMm())) {
            std::cerr << "print: warning: the label's diameter is not the sheet's die-cut; printing anyway\n";
        }
        return Report(quillora::print::PrintOnSheet(selection.Printer(), doc, *sheet), options->pdf.value_or(""));
    }
    if (quillora::print::LabelMayNotFit(selection.Printer(), doc)) {
        std::cerr << "print: warning: the whole label may not fit the printable area; printing anyway\n";
    }
    const quillora::print::PrintResult result = quillora::print::PrintDocument(selection.Printer(), doc, *offset);
    return Report(result, options->pdf.value_or(std::string()));
}

const Command kPrint("print", kUsage, Print);

}  // namespace
}  // namespace qlrtool
