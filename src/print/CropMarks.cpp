#include "print/CropMarks.h"

namespace quillora::print {
namespace {

int StepTowards(int from, int to) { return to > from ? 1 : (to < from ? -1 : 0); }

}  // namespace

std::vector<MarkPolyline> CropMarkPolylines(const PrintGeometry& g) {
    const int x0 = g.originX;
    const int x1 = g.originX + g.widthDev;
    const int y0 = g.originY;
    const int y1 = g.originY + g.heightDev;
    const int xc = x0 + g.widthDev / 2;
    const int yc = y0 + g.heightDev / 2;
    const int m = g.markLength;
    const int gap = g.markGap;
    return {
        {{x0 - gap - m, y0}, {x0 - gap, y0}, {x0 - gap, y0 - m}},
        {{x0 - m, y0 - gap}, {x0, y0 - gap}, {x0, y0 - gap - m}},
        {{x1 + gap + m, y0}, {x1 + gap, y0}, {x1 + gap, y0 - m}},
        {{x1 + m, y0 - gap}, {x1, y0 - gap}, {x1, y0 - gap - m}},
        {{x0 - gap - m, y1}, {x0 - gap, y1}, {x0 - gap, y1 + m}},
        {{x0 - m, y1 + gap}, {x0, y1 + gap}, {x0, y1 + gap + m}},
        {{x1 + gap + m, y1}, {x1 + gap, y1}, {x1 + gap, y1 + m}},
        {{x1 + m, y1 + gap}, {x1, y1 + gap}, {x1, y1 + gap + m}},
        {{xc, y0 - gap - m}, {xc, y0 - gap}},
        {{xc, y1 + gap}, {xc, y1 + gap + m}},
        {{x0 - gap - m, yc}, {x0 - gap, yc}},
        {{x1 + gap, yc}, {x1 + gap + m, yc}},
    };
}

std::vector<MarkSegment> CropMarkSegments(const PrintGeometry& geometry) {
    std::vector<MarkSegment> segments;
    for (const MarkPolyline& line : CropMarkPolylines(geometry)) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            const MarkPoint& a = line[i - 1];
            const MarkPoint& b = line[i];
            // The marks are all horizontal or vertical: stopping one unit short leaves the end out.
            if (a == b) continue;
            segments.push_back({a, {b.x - StepTowards(a.x, b.x), b.y - StepTowards(a.y, b.y)}});
        }
    }
    return segments;
}

}  // namespace quillora::print
