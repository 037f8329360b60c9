#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quillora::view;

TEST(ViewGeometry, LabelIsCentredRightOfTheRulersOrPinnedToThem) {
    EXPECT_EQ(ViewOrigin(400, 360), 27);
    EXPECT_EQ(ViewOrigin(300, 360), 15);
    EXPECT_EQ(ViewOrigin(375, 360), 15);  // W - 15 == outerPx does not fit
    EXPECT_EQ(ViewOrigin(376, 360), 15);  // (376 - 375) / 2 + 15
    EXPECT_EQ(ViewOrigin(395, 360), 25);
}

TEST(ViewGeometry, ScrollBarCoversTheLabelAndTheRulerBand) {
    // Range 0..374 with a page of 300 leaves 75 positions for the thumb.
    EXPECT_EQ(ScrollBarMaximum(360, 300), 75);
    EXPECT_EQ(ScrollBarMaximum(360, 375), 0);
    EXPECT_EQ(ScrollBarMaximum(360, 395), 0);
}

TEST(ViewGeometry, ScrollRequestsMoveTheOffsetByTheirRules) {
    EXPECT_EQ(ApplyScroll(ScrollRequest::PageBack, 5, 360, 300, 0), 0);
    EXPECT_EQ(ApplyScroll(ScrollRequest::PageBack, 50, 360, 300, 0), 30);
    EXPECT_EQ(ApplyScroll(ScrollRequest::LineBack, 0, 360, 300, 0), 0);
    EXPECT_EQ(ApplyScroll(ScrollRequest::LineBack, 7, 360, 300, 0), 6);
    EXPECT_EQ(ApplyScroll(ScrollRequest::LineForward, 75, 360, 300, 0), 76);
    EXPECT_EQ(ApplyScroll(ScrollRequest::LineForward, 76, 360, 300, 0), 76);
    EXPECT_EQ(ApplyScroll(ScrollRequest::PageForward, 0, 360, 300, 0), 20);
    EXPECT_EQ(ApplyScroll(ScrollRequest::PageForward, 45, 360, 300, 0), 60);  // 360 - 45 - 300 < 20
    EXPECT_EQ(ApplyScroll(ScrollRequest::PageForward, 0, 360, 370, 0), 0);    // never negative
    EXPECT_EQ(ApplyScroll(ScrollRequest::ThumbTrack, 3, 360, 300, 42), 42);
    EXPECT_EQ(ApplyScroll(ScrollRequest::Other, 3, 360, 300, 42), 3);
}

TEST(ViewGeometry, RulerMarksRunBothWaysFromTheLabelEdge) {
    // Label at 27 in a 400-pixel ruler: 0, 10, ... to the right while the next mark fits,
    // and 0 again going left (27 - 30 < 0 stops at once).
    const auto marks = RulerMarks(27, 0, 400);
    std::vector<int> rightLabels, leftLabels;
    for (const RulerMark& m : marks) (m.tickStep > 0 ? rightLabels : leftLabels).push_back(m.label);
    EXPECT_EQ(rightLabels, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}));
    EXPECT_EQ(leftLabels, (std::vector<int>{0}));
    EXPECT_EQ(marks.front().pos, 27);
    EXPECT_EQ(marks[12].pos, 27 + 360);

    // Wide window: room on the left of the label for -10 and -20.
    const auto wide = RulerMarks(80, 0, 500);
    const auto lowest = std::min_element(wide.begin(), wide.end(),
                                         [](const RulerMark& a, const RulerMark& b) { return a.label < b.label; });
    EXPECT_EQ(lowest->label, -20);
    EXPECT_EQ(lowest->pos, 20);
    EXPECT_EQ(lowest->tickStep, -3);

    // Scrolled by 75: the scroll offset moves every mark, 20 mm now sits at the client's edge.
    const auto scrolled = RulerMarks(15, 75, 300);
    const auto twenty = std::find_if(scrolled.begin(), scrolled.end(), [](const RulerMark& m) { return m.label == 20; });
    ASSERT_NE(twenty, scrolled.end());
    EXPECT_EQ(twenty->pos, 0);
    EXPECT_EQ(scrolled.back().label, 0);  // going left stops at once
}

TEST(ViewGeometry, GridLinesStartAtTheEdgeAndKeepASaneSpacing) {
    EXPECT_EQ(GridOffsets(90, 10), (std::vector<int>{0, 30, 60}));
    EXPECT_EQ(GridOffsets(360, 100), (std::vector<int>{0, 300}));
    EXPECT_EQ(GridOffsets(30, 0), (std::vector<int>{0, 15}));       // 0 mm is drawn as 5 mm
    EXPECT_EQ(GridOffsets(900, 1000), (std::vector<int>{0, 300, 600}));  // over 100 mm as 100 mm
    EXPECT_EQ(GridOffsets(3, 5), (std::vector<int>{0}));
}

TEST(ViewGeometry, MousePositionsTurnIntoMillimetresWithTheScrollOffset) {
    EXPECT_EQ(PixelToMm(87, 27, 0), 20);
    EXPECT_EQ(PixelToMm(60, 15, 0), 15);
    EXPECT_EQ(PixelToMm(20, 27, 0), -2);  // truncated toward zero
    EXPECT_EQ(PixelToMm(15, 15, 75), 25);
    EXPECT_TRUE(InRulerBand(14, 100));
    EXPECT_TRUE(InRulerBand(100, 14));
    EXPECT_FALSE(InRulerBand(15, 15));
}
