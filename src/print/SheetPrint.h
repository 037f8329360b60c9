#pragma once
// A label printed on the positions of a label sheet: each square centred on its position's
// centre, measured from the physical corner of the paper, moved by the printer's calibration.
#include <vector>

#include "print/PrintDocument.h"
#include "sheets/LabelSheets.h"

namespace quillora::print {

// Calibration in millimetres: a positive X moves the print right, a positive Y down.
struct PrintOffset {
    double xMm = 0;
    double yMm = 0;
};
inline constexpr double kMaxOffsetMm = 10;

struct SheetJob {
    sheets::LabelSheet sheet;
    std::vector<int> positions;  // indices into sheet.centres
    PrintOffset offset;
};

// The label's square at each position, in dots from the paper's corner.
std::vector<PrintGeometry> SheetSquares(const SheetJob& job, int outerMm, double dotsPerMm);

// True when the label's diameter and the sheet's die-cut differ by more than a millimetre.
bool LabelMissesDieCut(const SheetJob& job, int outerMm);

// One page of the sheet's paper with the label on every chosen position; no crop marks.
PrintResult PrintOnSheet(QPrinter& printer, const document::LabelDocument& doc, const SheetJob& job);

}  // namespace quillora::print
