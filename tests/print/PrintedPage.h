#pragma once
// Checks of a printed page: the PDF rasterised with pdftoppm, and the label's square, hole,
// surroundings and crop marks looked up where the print geometry puts them.
#include <QImage>
#include <string>

#include "document/LabelDocument.h"
#include "print/PrintGeometry.h"

namespace quillora::print {

// A 120/30 label with a red background, margins 15/15 and crop marks: every part of the page
// can be told apart by colour.
document::LabelDocument RedLabel();
// The background as rasterised: image edges and compression may shift it a little.
bool IsPrintedRed(QRgb pixel);
// The smallest rectangle around every red dot.
QRect PrintedRedBounds(const QImage& page);
// The centre of the red dots within `area`, in pixels.
QPointF RedCentroid(const QImage& page, const QRect& area);

// The first page of a PDF (a PJL header in front is fine) at `dpi`, or only `area` of it (in
// pixels at `dpi`); a null image when pdftoppm fails.
QImage RasterisePdf(const std::string& pdfPath, int dpi, const std::string& workDir, const QRect& area = {});

// The first page at `dpi` with its images copied dot for dot where the page puts them at one pixel
// a dot (pdftoppm smooths images even then); a null image when pdftocairo fails.
QImage RasterisePdfExactly(const std::string& pdfPath, int dpi, const std::string& workDir);

// The number of pages pdfinfo reports; -1 when it cannot read the file.
int PdfPageCount(const std::string& pdfPath);

// Where the printed square lies on the rasterised page: the geometry in printer dots, the
// printable area's corner in dots from the paper's corner, and the printer's and the raster's
// resolution.
struct PagePlacement {
    PrintGeometry geometry;
    double areaLeftDots = 0;
    double areaTopDots = 0;
    double printerDpi = 600;
    double rasterDpi = 150;
};

// Expects the red ring, the white hole, white paper around the disc, and black crop marks
// exactly when `cropMarks`.
void ExpectPrintedLabel(const QImage& page, const PagePlacement& place, bool cropMarks);

// Expects the ring's flat red to be printed as itself: pure red, read at the printer's own
// resolution (any scaling of the raster would mix neighbouring dots).
void ExpectRingPrintedPureRed(const std::string& pdfPath, const PagePlacement& place, const std::string& workDir);

}  // namespace quillora::print
