#pragma once
// Where a printer can print, in the job's orientation. Qt keeps a queue's unprintable borders as
// the queue states them for portrait paper; a landscape job turns the paper, and the borders
// with it.
#include "print/PrintGeometry.h"

class QPrinter;

namespace quillora::print {

struct PrintablePage {
    PrintableArea area;
    // Painting starts at the paper's corner and the area at these dots from it; otherwise at the
    // area's corner, as Qt places the origin.
    bool fromPaperCorner = false;
    int leftDots = 0;
    int topDots = 0;
};

PrintablePage PrintablePageOf(const QPrinter& printer);

// The printer's printable area (the whole page when it prints full page).
inline PrintableArea PrintableAreaOf(const QPrinter& printer) { return PrintablePageOf(printer).area; }

}  // namespace quillora::print
