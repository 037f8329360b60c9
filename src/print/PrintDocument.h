#pragma once
// One label on one page of a printer, without asking anybody: the part of the print job that
// scripts share with the program.
#include <functional>

#include "document/LabelDocument.h"
#include "print/PrintGeometry.h"

class QPainter;
class QPrinter;

namespace quillora::print {

enum class PrintOutcome {
    Printed,
    Declined,       // the label may not fit and the question said no
    SpoolerFailed,  // the printer or the print system refused the job; nothing printed
};

// Asked when the label may not fit the printable area; true prints anyway.
using FitQuestion = std::function<bool()>;

// The printer's printable area (the whole page when it prints full page).
PrintableArea PrintableAreaOf(const QPrinter& printer);

// The label at the margins, the page whitened outside the disc, and the crop marks when the
// document asks for them. The painter is active on the page.
void PaintPrintPage(QPainter& painter, const document::LabelDocument& doc, const PrintGeometry& geometry);

// Prints the document on exactly one page; copies are the printer's business.
PrintOutcome PrintDocument(QPrinter& printer, const document::LabelDocument& doc, const FitQuestion& mayNotFit);

}  // namespace quillora::print
