#pragma once
// The pixels of the ellipse inscribed in a rectangle (right and bottom edges excluded), row by
// row. A pixel belongs to it when its centre lies inside, so the shape is symmetric about both
// axes; elliptic fills, masks and frames all use it, so they always meet exactly.
#include <vector>

#include "render/Canvas.h"

namespace quillora::canvas {

struct Span {
    int left = 0;   // first pixel
    int right = 0;  // one past the last; left >= right is empty
    bool Empty() const { return left >= right; }
};

class EllipseSpans {
public:
    // Only rows in [firstRow, endRow) are computed (a device's rows), so that a huge ellipse
    // costs no more than the device's height.
    EllipseSpans(const render::DeviceRect& bounds, int firstRow, int endRow);

    int FirstRow() const { return firstRow_; }
    int EndRow() const { return endRow_; }
    Span Row(int y) const;
    // The pixels of row y with a horizontal or vertical neighbour outside the ellipse:
    // a frame one pixel wide on the inside edge. At most two spans.
    std::vector<Span> FrameRow(int y) const;

private:
    Span Compute(int y) const;

    render::DeviceRect bounds_;
    int firstRow_;
    int endRow_;
    // Rows firstRow_ - 1 .. endRow_, one beyond each end for the frame's neighbour test.
    std::vector<Span> rows_;
};

}  // namespace quillora::canvas
