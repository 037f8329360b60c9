#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ostream>

#include "RecordingCanvas.h"
#include "TestDocuments.h"
#include "render/DeviceUnits.h"
#include "render/ListLayerDrawing.h"
#include "text/FixedField.h"

namespace quillora::render {
namespace {

constexpr float kView = 3.0f;
constexpr int kNumberWidth = 3 * RecordingCanvas::kCharWidth;  // "01."

std::vector<Call> DrawList(const document::LabelDocument& doc) {
    RecordingCanvas canvas;
    DrawListLayer(canvas, doc, 0, 0, kView, kView);
    return canvas.Of(Op::DrawText);
}

std::vector<std::string_view> Lines(std::string_view text) {
    EntryLines lines = SplitEntryLines(text);
    return {lines.line.begin(), lines.line.begin() + lines.count};
}

TEST(SplitEntryLines, CrLfPairsEndLinesAndAtMostFiveAreKept) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(Lines(""), V{""});
    EXPECT_EQ(Lines("abc"), V{"abc"});
    EXPECT_EQ(Lines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\r\n"), (V{"a", ""}));
    EXPECT_EQ(Lines("a\rb\nc\n\r"), V{"a\rb\nc\n\r"});
    EXPECT_EQ(Lines("1\r\n2\r\n3\r\n4\r\n"), (V{"1", "2", "3", "4", ""}));
    EXPECT_EQ(Lines("1\r\n2\r\n3\r\n4\r\n5\r\n"), (V{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Lines("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7"), (V{"1", "2", "3", "4", "5"}));
}

TEST(CircleChordX, CrossingsOfTheCircleAtADepth) {
    EXPECT_EQ(CircleChordX(360, 60, 0), 46);  // 180 - trunc(sqrt(60 x 300))
    EXPECT_EQ(CircleChordX(360, 60, 1), 314);
    EXPECT_EQ(CircleChordX(360, 0, 0), 180);
    EXPECT_EQ(CircleChordX(360, 180, 0), 0);
    EXPECT_EQ(CircleChordX(360, 360, 1), 180);
    EXPECT_EQ(CircleChordX(361, 100, 0), 180 - 161);  // sqrt(100 x 261) = 161.6; 361 / 2 = 180
    EXPECT_EQ(CircleChordX(360, -1, 0), kOffCircle);
    EXPECT_EQ(CircleChordX(360, 361, 1), kOffCircle);
    EXPECT_EQ(CircleChordX(360, 60, 2), kOffCircle);
}

TEST(ListLayer, AlongTheCircleAnEntryStartsAtTheChordPlusItsSpacing) {
    auto doc = NewLabel();
    SetListEntries(doc, 2);
    doc.list.top1 = 20;  // y = 60
    doc.list.left1 = 5;
    doc.list.entrySpacing[0] = 36;  // the second entry starts at 60 + 12 + 108 = 180
    auto texts = DrawList(doc);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "01.");
    EXPECT_EQ(texts[0].x, 61);
    EXPECT_EQ(texts[0].y, 60);
    EXPECT_EQ(texts[1].text, "Track1");
    EXPECT_EQ(texts[1].x, 61 + kNumberWidth);
    // At y = 180 the upper edge decides: the chord is the diameter.
    EXPECT_EQ(texts[2].y, 180);
    EXPECT_EQ(texts[2].x, 0 + 15);

    // Below the centre the lower edge decides: y = 210, depth 210 + 12, trunc(sqrt(222 x 138)) = 175.
    doc.list.top1 = 70;
    texts = DrawList(doc);
    EXPECT_EQ(texts[0].x, 180 - 175 + 15);
}

TEST(ListLayer, ContinuationLinesHangUnderTheFirstLinesText) {
    auto doc = NewLabel();
    doc.list.layoutStyle = 0;
    doc.list.top0 = 10;
    doc.list.left0 = 30;
    doc.list.lineGap = 3;
    doc.list.entrySpacing[0] = 2;
    text::StoreField(doc.list.entryText[0], "a\r\nb\r\nc\r\nd\r\ne\r\nsixth");
    text::StoreField(doc.list.entryText[1], "next");
    auto texts = DrawList(doc);
    ASSERT_EQ(texts.size(), 1u + 5u + 2u);
    EXPECT_EQ(texts[0].text, "01.");
    EXPECT_EQ(texts[0].x, 90);
    for (int l = 0; l < 5; ++l) {
        EXPECT_EQ(texts[1 + l].text, std::string(1, static_cast<char>('a' + l)));
        EXPECT_EQ(texts[1 + l].x, 90 + kNumberWidth);
        EXPECT_EQ(texts[1 + l].y, 30 + l * (12 + 3));
    }
    // Five lines of 12 + 3, then 2 mm.
    EXPECT_EQ(texts[6].y, 30 + 5 * 15 + 6);
    EXPECT_EQ(texts[6].x, 90);
}

struct ColumnCase {
    std::int32_t secondColumnStart;
    int first;
    int second;
};

void PrintTo(const ColumnCase& c, std::ostream* os) { *os << "start " << c.secondColumnStart; }

class TwoColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(TwoColumns, SecondColumnTakesTheEntriesFromItsStart) {
    auto doc = NewLabel();
    SetListEntries(doc, 7);
    doc.list.layoutStyle = 2;
    doc.list.top2 = 10;
    doc.list.left2 = 5;
    doc.list.left22 = 5;
    doc.list.secondColumnStart = GetParam().secondColumnStart;
    std::vector<Call> left, right;
    for (const Call& c : DrawList(doc))
        if (c.text.back() == '.') (c.x < 180 ? left : right).push_back(c);  // numbers only
    EXPECT_EQ(static_cast<int>(left.size()), GetParam().first);
    EXPECT_EQ(static_cast<int>(right.size()), GetParam().second);
    // Both columns start at the top margin; the second with the entry after the first column's last.
    if (!left.empty()) {
        EXPECT_EQ(left.front().y, 30);
    }
    if (!right.empty()) {
        EXPECT_EQ(right.front().y, 30);
        EXPECT_EQ(right.front().text, "0" + std::to_string(GetParam().first + 1) + ".");
    }
}

INSTANTIATE_TEST_SUITE_P(ListLayer, TwoColumns,
                         ::testing::Values(ColumnCase{0, 4, 3}, ColumnCase{3, 2, 5}, ColumnCase{1, 0, 7},
                                           ColumnCase{9, 7, 0}, ColumnCase{-1, 0, 7},
                                           ColumnCase{INT_MIN, 0, 7}, ColumnCase{INT_MAX, 7, 0}));

TEST(ListLayer, SecondColumnEndsItsFirstLineInsideTheRightSide) {
    auto doc = NewLabel();
    SetListEntries(doc, 2);
    doc.list.layoutStyle = 2;
    doc.list.top2 = 10;  // y = 30: trunc(sqrt(30 x 330)) = 99, right crossing 279
    doc.list.left22 = 5;
    text::StoreField(doc.list.entryText[1], "long line\r\nx");
    auto texts = DrawList(doc);
    ASSERT_EQ(texts.size(), 2u + 3u);
    EXPECT_EQ(texts[2].text, "02.");
    EXPECT_EQ(texts[2].y, 30);
    int width = kNumberWidth + 9 * RecordingCanvas::kCharWidth;
    EXPECT_EQ(texts[2].x, 279 - 15 - width);
    EXPECT_EQ(texts[3].x, texts[2].x + kNumberWidth);
    EXPECT_EQ(texts[4].x, texts[3].x);  // not right-aligned
}

TEST(ListLayer, ShadowPrecedesEachTextAndNumbersAreOptional) {
    auto doc = NewLabel();
    SetListEntries(doc, 1);
    doc.list.shadow = 1;
    doc.list.shadowColor = 0x808080;
    doc.list.fontColor = 0x112233;
    doc.list.shadowX = 1;
    doc.list.shadowY = 2;
    doc.list.printNumbers = 0;
    auto texts = DrawList(doc);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Track1");
    EXPECT_EQ(texts[0].colour, 0x808080u);
    EXPECT_EQ(texts[1].colour, 0x112233u);
    EXPECT_EQ(texts[0].x, texts[1].x + 1);
    EXPECT_EQ(texts[0].y, texts[1].y + 2);
}

TEST(ListLayer, NothingIsDrawnForAnEmptyListUnknownLayoutOrEmptyFont) {
    auto doc = NewLabel();
    SetListEntries(doc, 3);
    doc.list.entryText[0][0] = '\0';
    EXPECT_TRUE(DrawList(doc).empty());

    SetListEntries(doc, 3);
    doc.list.layoutStyle = 7;
    EXPECT_TRUE(DrawList(doc).empty());
    doc.list.layoutStyle = -1;
    EXPECT_TRUE(DrawList(doc).empty());

    doc.list.layoutStyle = 0;
    doc.list.fontSize = -5;
    EXPECT_TRUE(DrawList(doc).empty());
}

TEST(ListLayer, HugeGapsAndOffsetsStayWithinTheDeviceLimits) {
    auto doc = NewLabel();
    SetListEntries(doc, 50, "a\r\nb\r\nc\r\nd\r\ne");
    doc.list.fontSize = INT_MAX;
    doc.list.lineGap = INT_MAX;
    doc.list.shadow = 1;
    doc.list.shadowX = -1000000000;
    doc.list.shadowY = 1000000000;
    for (int i = 0; i < document::kListEntries; ++i) doc.list.entrySpacing[i] = INT_MAX;
    for (int style : {0, 1, 2}) {
        doc.list.layoutStyle = style;
        auto texts = DrawList(doc);
        EXPECT_EQ(texts.size(), 50u * 2u * 6u) << style;
        for (const Call& c : texts) {
            EXPECT_LE(std::abs(c.x), kDeviceLimit);
            EXPECT_LE(std::abs(c.y), kDeviceLimit);
        }
    }
}

}  // namespace
}  // namespace quillora::render
