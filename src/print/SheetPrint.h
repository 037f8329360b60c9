#pragma once
// A label printed on the positions of a label sheet: each square centred on its position's
// centre, measured from the physical corner of the paper, moved by the printer's calibration.
#include <QPageSize>
#include <vector>

#include "print/PrintDocument.h"
#include "settings/PrintMedium.h"
#include "sheets/LabelSheets.h"

namespace quillora::print {

struct SheetJob {
    sheets::LabelSheet sheet;
    std::vector<int> positions;  // indices into sheet.centres
    settings::PrinterOffset offset;
};

// A4, US Letter or any other standard paper by the sheet's size, so a queue finds it among its own.
QPageSize SheetPaper(const sheets::LabelSheet& sheet);

// The label's square at each position, in dots from the paper's corner.
std::vector<PrintGeometry> SheetSquares(const SheetJob& job, double outerMm, double dotsPerMm);

// True when the label's diameter and the sheet's die-cut differ by more than a millimetre.
bool LabelMissesDieCut(const SheetJob& job, int outerMm);

// One page of the sheet's paper with the label on every chosen position; no crop marks. The
// printer's paper and full-page mode are as before afterwards.
PrintResult PrintOnSheet(QPrinter& printer, const document::LabelDocument& doc, const SheetJob& job);


}  // namespace quillora::print
