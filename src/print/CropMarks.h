#pragma once
// The crop marks around the label's bounding square: at each corner the square's two edges
// extended outwards beyond a gap, and a second pair of lines the gap outside the square; a
// centre mark on each side.
#include <vector>

#include "print/PrintGeometry.h"

namespace quillora::print {

struct MarkPoint {
    int x = 0;
    int y = 0;
    bool operator==(const MarkPoint&) const = default;
};

// A start point followed by one or two line ends.
using MarkPolyline = std::vector<MarkPoint>;

// The twelve polylines in drawing order: the four corners (two each: top-left, top-right,
// bottom-left, bottom-right), then the centre marks top, bottom, left, right.
std::vector<MarkPolyline> CropMarkPolylines(const PrintGeometry& geometry);

// The polylines' segments, printed in black, each without its end point, as a pen moving from point to point
// leaves it: both ends of a segment are drawn.
struct MarkSegment {
    MarkPoint from;
    MarkPoint to;
};
std::vector<MarkSegment> CropMarkSegments(const PrintGeometry& geometry);

}  // namespace quillora::print
