#include "print/PrintGeometry.h"

#include <cmath>
#include <cstdint>

#include "render/DeviceUnits.h"

namespace quillora::print {
namespace {

constexpr float kMarkLengthMm = 5.0f;
constexpr float kMarkGapMm = 2.0f;

// Dots per millimetre in single precision; an area without millimetres has no scale.
float Scale(int dots, int mm) { return mm > 0 ? static_cast<float>(dots) / static_cast<float>(mm) : 0.0f; }

}  // namespace

PrintGeometry ComputePrintGeometry(const PrintableArea& area, int marginLeft, int marginTop, int outerMm) {
    PrintGeometry g;
    g.hScale = Scale(area.widthDots, area.widthMm);
    g.vScale = Scale(area.heightDots, area.heightMm);
    g.originX = render::ToDevice(marginLeft, g.hScale);
    g.originY = render::ToDevice(marginTop, g.vScale);
    g.widthDev = render::ToDevice(outerMm, g.hScale);
    g.heightDev = render::ToDevice(outerMm, g.vScale);
    g.markLength = render::TruncateToDevice(g.hScale * kMarkLengthMm);
    g.markGap = render::TruncateToDevice(g.hScale * kMarkGapMm);
    return g;
}

PrintGeometry SquareAtMm(double leftMm, double topMm, double sideMm, double dotsPerMm) {
    const auto dots = [dotsPerMm](double mm) { return static_cast<int>(std::lround(mm * dotsPerMm)); };
    PrintGeometry g;
    g.hScale = g.vScale = static_cast<float>(dotsPerMm);
    g.originX = dots(leftMm);
    g.originY = dots(topMm);
    g.widthDev = g.heightDev = dots(sideMm);
    return g;
}

bool MayNotFit(const PrintableArea& area, int marginLeft, int marginTop, int outerMm) {
    // Margins come from files unchecked: a negative one starts the square off the printable area,
    // and the sums are taken in 64 bits.
    return marginLeft < 0 || marginTop < 0 || std::int64_t{area.widthMm} < std::int64_t{outerMm} + marginLeft ||
           std::int64_t{area.heightMm} < std::int64_t{outerMm} + marginTop;
}

}  // namespace quillora::print
