#include "print/PrinterSelection.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "workspace/Captions.h"

namespace quillora::print {
namespace {
const QString kDocumentName = QString::fromUtf8(workspace::caption::kProductName);
}

std::unique_ptr<QPrinter> MakePrinter(const QString& queueName) {
    const QPrinterInfo info = queueName.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(queueName);
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(kDocumentName);
    return printer;
}

PrinterSelection::PrinterSelection() = default;

PrinterSelection::PrinterSelection(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

PrinterSelection::~PrinterSelection() = default;

void PrinterSelection::ChooseDefault() {
    if (printer_) return;
    // A null printer info (no default queue) gives a printer that writes PDF files.
    printer_ = MakePrinter(QPrinterInfo::defaultPrinterName());
}

QPrinter& PrinterSelection::Printer() {
    ChooseDefault();
    return *printer_;
}

bool PrinterSelection::HasPrinter() {
    const QPrinter& printer = Printer();
    return !printer.printerName().isEmpty() || !printer.outputFileName().isEmpty();
}

}  // namespace quillora::print
