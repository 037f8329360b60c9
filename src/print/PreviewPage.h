#pragma once
// The sheet of paper the print preview shows: white, 1 pixel per millimetre, with the label as
// a light grey ring at the margins (measured from the paper's corner).
#include <QImage>

#include "document/LabelDocument.h"
#include "print/PaperDecision.h"

namespace quillora::print {

constexpr document::Colour kPreviewRingColour = 0xC0C0C0;

QImage PreviewPage(const PaperSize& paper, const document::LabelDocument& doc);

}  // namespace quillora::print
