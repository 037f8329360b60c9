#pragma once
// A page to read a printer's offset from: the disc outlines where labels would print, without
// calibration, a fine cross at each centre and millimetre scales through it. Where a die-cut's
// edge meets a scale gives the offset to type: the scales count right and down from the edge
// the print expects.
#include <optional>

#include "print/SheetPrint.h"

namespace quillora::print {

// On the sheet: every position's die-cut; without one, the label's disc at the document's margins.
PrintResult PrintCalibrationPage(QPrinter& printer, const document::LabelDocument& doc,
                                 const std::optional<sheets::LabelSheet>& sheet);

}  // namespace quillora::print
