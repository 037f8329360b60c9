#pragma once
// Where the label lands on a printer page: the printer's printable area in dots and in whole
// millimetres gives the scales, and every millimetre value becomes dots by truncation.
namespace quillora::print {

// The printable area of a page: the device origin is its top-left corner.
struct PrintableArea {
    int widthDots = 0;
    int heightDots = 0;
    int widthMm = 0;   // whole millimetres
    int heightMm = 0;
};

struct PrintGeometry {
    float hScale = 0;  // dots per millimetre
    float vScale = 0;
    int originX = 0;   // the label's bounding square, in dots from the printable area's corner
    int originY = 0;
    int widthDev = 0;
    int heightDev = 0;
    int markLength = 0;  // crop marks: 5 mm long, 2 mm away from the square, both horizontal dots
    int markGap = 0;
};

PrintGeometry ComputePrintGeometry(const PrintableArea& area, int marginLeft, int marginTop, int outerMm);

// A square of `sideMm` whose top-left corner is at (`leftMm`, `topMm`) of a page of `dotsPerMm`
// both ways, every length rounded to the nearest dot: where a sheet's die-cut or a disc tray
// puts the label, without crop marks.
PrintGeometry SquareAtMm(double leftMm, double topMm, double sideMm, double dotsPerMm);

// True when the label's square may start or reach beyond the printable area. The crop marks are not
// counted: they may be cut off.
bool MayNotFit(const PrintableArea& area, int marginLeft, int marginTop, int outerMm);

}  // namespace quillora::print
