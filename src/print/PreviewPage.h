#pragma once
// The sheet of paper the print preview shows: white, 1 pixel per millimetre, with the label as
// a light grey ring at the margins (measured from the paper's corner).
#include <QImage>

#include "document/LabelDocument.h"
#include "print/PaperDecision.h"
#include "print/SheetPrint.h"

namespace quillora::print {

constexpr document::Colour kPreviewRingColour = 0xC0C0C0;
constexpr document::Colour kPreviewDieCutColour = 0x808080;

// The ring at the margins, moved by the printer's calibration.
QImage PreviewPage(const PaperSize& paper, const document::LabelDocument& doc, settings::PrinterOffset offset = {});

// The sheet's paper with every die-cut's outline in grey and the ring on each chosen position,
// moved by the job's calibration.
QImage SheetPreviewPage(const SheetJob& job, const document::LabelDocument& doc);

// A disc's page alone, `pageMm` square, with the ring centred on it and moved by the calibration.
QImage DiscPreviewPage(double pageMm, const document::LabelDocument& doc, settings::PrinterOffset offset);

// The sheet's paper in whole millimetres, as the preview shows it.
PaperSize SheetPreviewPaper(const sheets::LabelSheet& sheet);

}  // namespace quillora::print
