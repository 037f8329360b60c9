#include "TestPrinters.h"

#include <QPrinter>

namespace quillora::print {

std::unique_ptr<PrinterSelection> PdfFileSelection(const std::string& path, QPageSize::PageSizeId paper,
                                                   QPageLayout::Orientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setPageSize(QPageSize(paper));
    printer->setPageOrientation(orientation);
    return std::make_unique<PrinterSelection>(std::move(printer));
}

std::unique_ptr<PrinterSelection> NoPrinterSelection() {
    auto printer = std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    return std::make_unique<PrinterSelection>(std::move(printer));
}

}  // namespace quillora::print
