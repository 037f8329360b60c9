#include "EllipseSpans.h"

#include <algorithm>
#include <cmath>

namespace quillora::canvas {

EllipseSpans::EllipseSpans(const render::DeviceRect& bounds, int firstRow, int endRow)
    : bounds_(bounds),
      firstRow_(std::max(firstRow, bounds.top)),
      endRow_(std::max(std::min(endRow, bounds.bottom), firstRow_)) {
    rows_.reserve(static_cast<std::size_t>(endRow_ - firstRow_) + 2);
    for (int y = firstRow_ - 1; y <= endRow_; ++y) rows_.push_back(Compute(y));
}

Span EllipseSpans::Compute(int y) const {
    if (bounds_.right <= bounds_.left || y < bounds_.top || y >= bounds_.bottom) return {};
    double cx = (static_cast<double>(bounds_.left) + bounds_.right) / 2;
    double cy = (static_cast<double>(bounds_.top) + bounds_.bottom) / 2;
    double rx = (static_cast<double>(bounds_.right) - bounds_.left) / 2;
    double ry = (static_cast<double>(bounds_.bottom) - bounds_.top) / 2;
    double dy = (y + 0.5 - cy) / ry;
    if (dy * dy >= 1) return {};
    double half = rx * std::sqrt(1 - dy * dy);
    // Pixel centres x + 0.5 within [cx - half, cx + half].
    return {static_cast<int>(std::ceil(cx - half - 0.5)), static_cast<int>(std::floor(cx + half - 0.5)) + 1};
}

Span EllipseSpans::Row(int y) const {
    if (y < firstRow_ - 1 || y > endRow_) return Compute(y);
    return rows_[static_cast<std::size_t>(y - (firstRow_ - 1))];
}

std::vector<Span> EllipseSpans::FrameRow(int y) const {
    Span row = Row(y);
    if (row.Empty()) return {};
    Span above = Row(y - 1);
    Span below = Row(y + 1);
    int innerLeft = std::max({row.left + 1, above.left, below.left});
    int innerRight = std::min({row.right - 1, above.right, below.right});
    if (above.Empty() || below.Empty() || innerLeft >= innerRight) return {row};
    return {{row.left, innerLeft}, {innerRight, row.right}};
}

}  // namespace quillora::canvas
