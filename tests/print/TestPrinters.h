#pragma once
// Printer selections for tests that need no print system: a PDF file printer, which offers
// every paper, and the selection of a machine without printers.
#include <QPageLayout>
#include <QPageSize>
#include <memory>
#include <string>

#include "print/PrinterSelection.h"

namespace quillora::print {

std::unique_ptr<PrinterSelection> PdfFileSelection(const std::string& path, QPageSize::PageSizeId paper = QPageSize::A4,
                                                   QPageLayout::Orientation orientation = QPageLayout::Portrait);
std::unique_ptr<PrinterSelection> NoPrinterSelection();

}  // namespace quillora::print
