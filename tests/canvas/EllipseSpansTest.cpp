#include <gtest/gtest.h>

#include <ostream>

#include "canvas/EllipseSpans.h"

namespace quillora::canvas {
namespace {

using render::DeviceRect;

bool Inside(const EllipseSpans& spans, int x, int y) {
    Span row = spans.Row(y);
    return x >= row.left && x < row.right;
}

}  // namespace
}  // namespace quillora::canvas

namespace quillora::render {
void PrintTo(const DeviceRect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
}  // namespace quillora::render

namespace quillora::canvas {
namespace {

class EllipseShapes : public ::testing::TestWithParam<DeviceRect> {};

TEST_P(EllipseShapes, SpansAreSymmetricAndStayInTheirRectangle) {
    DeviceRect r = GetParam();
    EllipseSpans spans(r, -100000, 100000);
    EXPECT_EQ(spans.FirstRow(), r.top);
    EXPECT_EQ(spans.EndRow(), r.bottom);
    for (int y = r.top; y < r.bottom; ++y) {
        Span row = spans.Row(y);
        Span mirrored = spans.Row(r.top + r.bottom - 1 - y);
        EXPECT_EQ(row.left, mirrored.left) << y;
        EXPECT_EQ(row.right, mirrored.right) << y;
        if (row.Empty()) continue;
        EXPECT_GE(row.left, r.left);
        EXPECT_LE(row.right, r.right);
        EXPECT_EQ(row.left - r.left, r.right - row.right) << y;  // left-right symmetric
    }
    // The middle rows reach both sides; the rows outside are empty.
    Span middle = spans.Row((r.top + r.bottom) / 2);
    EXPECT_EQ(middle.left, r.left);
    EXPECT_EQ(middle.right, r.right);
    EXPECT_TRUE(spans.Row(r.top - 1).Empty());
    EXPECT_TRUE(spans.Row(r.bottom).Empty());
}

TEST_P(EllipseShapes, FrameIsThePixelsWithAFourNeighbourOutside) {
    DeviceRect r = GetParam();
    EllipseSpans spans(r, r.top, r.bottom);
    for (int y = r.top; y < r.bottom; ++y) {
        std::vector<Span> frame = spans.FrameRow(y);
        for (int x = r.left; x < r.right; ++x) {
            bool edge = Inside(spans, x, y) && (!Inside(spans, x - 1, y) || !Inside(spans, x + 1, y) ||
                                                !Inside(spans, x, y - 1) || !Inside(spans, x, y + 1));
            bool framed = false;
            for (const Span& s : frame) framed = framed || (x >= s.left && x < s.right);
            EXPECT_EQ(framed, edge) << x << ", " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EllipseSpans, EllipseShapes,
                         ::testing::Values(DeviceRect{0, 0, 360, 360}, DeviceRect{135, 135, 225, 225},
                                           DeviceRect{-20, 7, 61, 40}, DeviceRect{3, 3, 4, 4},
                                           DeviceRect{0, 0, 600, 480}));

TEST(EllipseSpans, OnlyTheRequestedRowsAreKeptAndEmptyRectanglesHaveNone) {
    EllipseSpans clipped({-100000, -100000, 100000, 100000}, 0, 50);
    EXPECT_EQ(clipped.FirstRow(), 0);
    EXPECT_EQ(clipped.EndRow(), 50);
    EXPECT_FALSE(clipped.Row(10).Empty());

    EllipseSpans flat({10, 10, 10, 50}, 0, 100);
    for (int y = 0; y < 100; ++y) EXPECT_TRUE(flat.Row(y).Empty());
    EllipseSpans inverted({10, 50, 40, 10}, 0, 100);
    EXPECT_EQ(inverted.FirstRow(), inverted.EndRow());
}

}  // namespace
}  // namespace quillora::canvas
