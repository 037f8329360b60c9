#pragma once
// The printer selection's paper as the .qlr file keeps it: the paper and orientation codes of
// Windows printer settings (A4 = 9, Letter = 1, ...; portrait 1, landscape 2).
#include "document/Records.h"
#include "print/PaperDecision.h"

namespace quillora::print {

class PrinterSelection;

// 0 and 0 when there is no printer; a paper without a code of its own gives 256 (user size).
document::PaperSettings PaperCodesOf(PrinterSelection& selection);

// Sets the stored paper and orientation on the selected printer where it offers them; unknown
// codes, papers the printer lacks and a selection without printer are ignored.
void ApplyPaperCodes(PrinterSelection& selection, const document::PaperSettings& paper);

// What the print preview needs to know of the selected printer's paper.
PrinterPaper PrinterPaperOf(PrinterSelection& selection);

}  // namespace quillora::print
