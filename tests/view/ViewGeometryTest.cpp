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

// The labelled ticks of one ruler as (mm, pos) pairs.
std::vector<std::pair<int, int>> Labels(const std::vector<RulerTick>& ticks) {
    std::vector<std::pair<int, int>> labels;
    for (const RulerTick& t : ticks)
        if (t.labelled) labels.emplace_back(t.mm, t.pos);
    return labels;
}

TEST(ViewGeometry, RulerTicksFollowTheZoomFromTheLabelEdge) {
    // 100%: label at 27 in a 400-pixel ruler: 0, 10, ... 120 mm every 30 pixels to the right,
    // nothing left of the 0 (27 - 30 < 0); short ticks every 3 pixels.
    const ViewScale classic(120, 100);
    const auto ticks = RulerTicks(27, 0, 400, classic);
    const auto labels = Labels(ticks);
    ASSERT_EQ(labels.size(), 13u);
    EXPECT_EQ(labels.front(), std::make_pair(0, 27));
    EXPECT_EQ(labels.back(), std::make_pair(120, 27 + 360));
    EXPECT_EQ(ticks[1].pos - ticks[0].pos, 3);
    EXPECT_FALSE(ticks[1].labelled);

    // Wide window: room on the left for -10 and -20.
    EXPECT_EQ(Labels(RulerTicks(80, 0, 500, classic)).front(), std::make_pair(-20, 20));

    // Scrolled by 75: 20 mm at the client's edge; by 80 it still shows its text in part.
    EXPECT_EQ(Labels(RulerTicks(15, 75, 300, classic)).front(), std::make_pair(20, 0));
    EXPECT_EQ(Labels(RulerTicks(15, 80, 300, classic)).front(), std::make_pair(20, -5));

    // 400%: 12 pixels a millimetre, a label every 120 pixels.
    const ViewScale zoomed(120, 400);
    const auto big = RulerTicks(15, 1200, 600, zoomed);
    EXPECT_EQ(Labels(big)[1], std::make_pair(100, 15));
    const auto hundred = std::find_if(big.begin(), big.end(), [](const RulerTick& t) { return t.mm == 100; });
    ASSERT_NE(hundred, big.end());
    EXPECT_EQ(hundred[1].pos, 15 + 12);

    // 50%: 1.5 pixels a millimetre would crowd: a tick every 2 mm and a label every 20.
    const ViewScale small(120, 50);
    const auto crowded = RulerTicks(15, 0, 300, small);
    EXPECT_EQ(Labels(crowded)[1], std::make_pair(20, 45));
    const auto zero = std::find_if(crowded.begin(), crowded.end(), [](const RulerTick& t) { return t.mm == 0; });
    ASSERT_NE(zero, crowded.end());
    EXPECT_EQ(zero[1].mm, 2);
    EXPECT_EQ(zero[1].pos, 18);
}

TEST(ViewGeometry, GridLinesStartAtTheEdgeAndKeepASaneSpacing) {
    EXPECT_EQ(GridOffsets(ViewScale(30, 100), 10), (std::vector<int>{0, 30, 60}));
    EXPECT_EQ(GridOffsets(ViewScale(120, 100), 100), (std::vector<int>{0, 300}));
    EXPECT_EQ(GridOffsets(ViewScale(10, 100), 0), (std::vector<int>{0, 15}));       // 0 mm is drawn as 5 mm
    EXPECT_EQ(GridOffsets(ViewScale(300, 100), 1000), (std::vector<int>{0, 300, 600}));  // over 100 mm as 100 mm
    EXPECT_EQ(GridOffsets(ViewScale(1, 100), 5), (std::vector<int>{0}));
    EXPECT_EQ(GridOffsets(ViewScale(30, 400), 10), (std::vector<int>{0, 120, 240}));
    EXPECT_EQ(GridOffsets(ViewScale(30, 150), 10), (std::vector<int>{0, 45, 90}));
}

TEST(ViewGeometry, MousePositionsTurnIntoMillimetresWithTheScrollOffset) {
    const ViewScale classic(120, 100);
    EXPECT_EQ(PixelToMm(87, 27, 0, classic), 20);
    EXPECT_EQ(PixelToMm(60, 15, 0, classic), 15);
    EXPECT_EQ(PixelToMm(20, 27, 0, classic), -2);  // truncated toward zero
    EXPECT_EQ(PixelToMm(15, 15, 75, classic), 25);
    EXPECT_TRUE(InRulerBand(14, 100));
    EXPECT_TRUE(InRulerBand(100, 14));
    EXPECT_FALSE(InRulerBand(15, 15));

    // At 400% the same millimetre spans 12 pixels; at 50% a pixel reads as its tick's millimetre.
    const ViewScale zoomed(120, 400);
    EXPECT_EQ(PixelToMm(15 + 240, 15, 0, zoomed), 20);
    EXPECT_EQ(PixelToMm(15 + 251, 15, 0, zoomed), 20);
    EXPECT_EQ(PixelToMm(15 + 252, 15, 0, zoomed), 21);
    EXPECT_EQ(PixelToMm(15, 15, 1200, zoomed), 100);
    const ViewScale small(121, 50);  // 181 pixels: a millimetre is 1.4958 pixels
    for (int mm : {1, 2, 3, 50, 120}) EXPECT_EQ(PixelToMm(small.ToPx(mm), 0, 0, small), mm);
}

TEST(Zoom, StepsRunFrom50To800AndOddValuesJoinThem) {
    EXPECT_EQ(NextZoom(100, 1), 150);
    EXPECT_EQ(NextZoom(100, -1), 75);
    EXPECT_EQ(NextZoom(800, 1), 800);
    EXPECT_EQ(NextZoom(50, -1), 50);
    EXPECT_EQ(NextZoom(120, 1), 150);
    EXPECT_EQ(NextZoom(120, -1), 100);
    EXPECT_EQ(UsableZoom(400), 400);
    EXPECT_EQ(UsableZoom(0), 100);
    EXPECT_EQ(UsableZoom(5000), 100);
    EXPECT_EQ(ViewScale(120, 400).OuterPx(), 1440);
    EXPECT_EQ(ViewScale(121, 50).OuterPx(), 181);
}

TEST(Zoom, ZoomingKeepsThePointUnderTheAnchor) {
    // 100% -> 400% around the label's middle (client 27 + 180): 60 mm, now at 720 pixels.
    const ViewScale before(120, 100), after(120, 400);
    const int scroll = ScrollKeeping(207, 27, 0, before, 15, after, ScrollBarMaximum(1440, 400));
    EXPECT_EQ(scroll, 720 - (207 - 15));
    EXPECT_EQ(PixelToMm(207, 15, scroll, after), 60);
    // Back out: the bar's range keeps the offset at 0.
    EXPECT_EQ(ScrollKeeping(207, 15, scroll, after, 27, before, 0), 0);
    // Scroll steps keep their share of the label.
    EXPECT_EQ(ScrollStepsAt(100).line, 1);
    EXPECT_EQ(ScrollStepsAt(400).page, 80);
    EXPECT_EQ(ScrollStepsAt(50).line, 1);
    EXPECT_EQ(ApplyScroll(ScrollRequest::PageForward, 0, 1440, 400, 0, ScrollStepsAt(400)), 80);
}
