#include <gtest/gtest.h>

#include "print/PrintGeometry.h"

using namespace quillora::print;

namespace {
// A 600 dpi printer on A4 reporting its printable area as 4960 x 7016 dots, 210 x 297 mm.
constexpr PrintableArea kA4At600{4960, 7016, 210, 297};
}  // namespace

TEST(PrintGeometry, ScalesAreDotsPerWholeMillimetreAndEveryValueIsTruncated) {
    const PrintGeometry g = ComputePrintGeometry(kA4At600, 15, 15, 120);
    EXPECT_FLOAT_EQ(g.hScale, 23.619047f);
    EXPECT_FLOAT_EQ(g.vScale, 7016.0f / 297.0f);
    EXPECT_EQ(g.originX, 354);      // 15 x 23.619047 = 354.29
    EXPECT_EQ(g.originY, 354);      // 15 x 23.622896 = 354.34
    EXPECT_EQ(g.widthDev, 2834);    // 120 x 23.619047 = 2834.29
    EXPECT_EQ(g.heightDev, 2834);   // 120 x 23.622896 = 2834.75
    EXPECT_EQ(g.markLength, 118);   // 5 mm: 118.095
    EXPECT_EQ(g.markGap, 47);       // 2 mm: 47.238
}

TEST(PrintGeometry, DifferentResolutionsGiveDifferentScalesAndTheMarksFollowTheHorizontal) {
    // 600 x 300 dpi: the square is twice as many dots wide as high.
    const PrintGeometry g = ComputePrintGeometry({4800, 3300, 203, 279}, 10, 20, 100);
    EXPECT_EQ(g.originX, 236);   // 10 x 23.645320
    EXPECT_EQ(g.originY, 236);   // 20 x 11.827957
    EXPECT_EQ(g.widthDev, 2364);
    EXPECT_EQ(g.heightDev, 1182);
    EXPECT_EQ(g.markLength, 118);
    EXPECT_EQ(g.markGap, 47);
}

TEST(PrintGeometry, AnAreaWithoutMillimetresHasNoScaleInsteadOfDividingByZero) {
    const PrintGeometry g = ComputePrintGeometry({4960, 7016, 0, 0}, 15, 15, 120);
    EXPECT_EQ(g.hScale, 0.0f);
    EXPECT_EQ(g.widthDev, 0);
    EXPECT_EQ(g.heightDev, 0);
    EXPECT_EQ(g.markLength, 0);
}

TEST(PrintGeometry, FitTestComparesMarginPlusDiameterWithThePrintableMillimetres) {
    const PrintableArea area{4724, 6780, 200, 287};
    EXPECT_FALSE(MayNotFit(area, 15, 15, 120));
    EXPECT_TRUE(MayNotFit(area, 90, 15, 120));    // 210 > 200
    EXPECT_FALSE(MayNotFit(area, 80, 167, 120));  // exactly 200 and 287 still fit
    EXPECT_TRUE(MayNotFit(area, 15, 168, 120));   // 288 > 287
    // Stored margins are not limited: huge ones do not wrap round into "fits", negative ones
    // start the square off the area.
    EXPECT_TRUE(MayNotFit(area, 2147483647, 15, 120));
    EXPECT_TRUE(MayNotFit(area, -2147483647 - 1, 15, 120));
    EXPECT_TRUE(MayNotFit(area, -20, -20, 120));
    EXPECT_TRUE(MayNotFit(area, 15, -1, 120));
    EXPECT_FALSE(MayNotFit(area, 0, 0, 120));
}
