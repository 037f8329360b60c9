#include "print/PaperDecision.h"

#include <utility>

#include "document/Limits.h"

namespace quillora::print {

PaperSize PreviewPaperSize(const PrinterPaper& paper) {
    PaperSize size;
    switch (paper.code) {
    case kPaperA3: size = {297, 420}; break;
    case kPaperA4: size = {document::kA4WidthMm, document::kA4HeightMm}; break;
    case kPaperA5: size = {148, 210}; break;
    case kPaperB4: size = {250, 354}; break;
    case kPaperB5: size = {182, 257}; break;
    default: size = {paper.widthTenths / 10, paper.lengthTenths / 10}; break;
    }
    if (paper.orientation == kOrientationLandscape) std::swap(size.width, size.height);
    return size;
}

}  // namespace quillora::print
