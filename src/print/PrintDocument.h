#pragma once
// One label on one page of a printer, without asking anybody: the part of the print job that
// scripts share with the program.
#include <QtGlobal>
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

// Rows of the label rendered at a time: a 300 mm label at 1200 dpi would need 800 MB at once.
constexpr qsizetype kBandBytes = qsizetype{64} << 20;

// The label's square at the geometry's place on the page, rendered at the page's resolution in
// bands of at most `bandBytes` and drawn as images.
void DrawLabelSquare(QPainter& painter, const document::LabelDocument& doc, const PrintGeometry& geometry,
                     qsizetype bandBytes = kBandBytes);

// The label at the margins, the page whitened outside the disc, and the crop marks when the
// document asks for them. The painter is active on the page.
void PaintPrintPage(QPainter& painter, const document::LabelDocument& doc, const PrintGeometry& geometry);

// Prints the document on exactly one page; copies are the printer's business.
PrintOutcome PrintDocument(QPrinter& printer, const document::LabelDocument& doc, const FitQuestion& mayNotFit);

}  // namespace quillora::print
