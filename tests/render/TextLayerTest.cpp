#include <gtest/gtest.h>

#include <climits>

#include "RecordingCanvas.h"
#include "TestDocuments.h"
#include "render/DeviceUnits.h"
#include "render/TextLayerDrawing.h"
#include "text/FixedField.h"

namespace quillora::render {
namespace {

constexpr float kView = 3.0f;
constexpr float k600Dpi = 600.0f / 25.4f;

document::LayerRecord TextLayer() {
    document::LayerRecord layer{};
    layer.kind = document::LayerKind::Text;
    layer.visible = 1;
    text::StoreField(layer.text, "Label");
    text::StoreField(layer.fontFace, "\x82\x6c\x82\x72 \x82\x6f\x96\xbe\x92\xa9");  // ＭＳ Ｐ明朝
    layer.fontSize = 12;
    layer.fontColor = 0x0000FF;
    layer.posX = 20;
    layer.posY = 30;
    return layer;
}

TEST(TextLayer, CellHeightIsPointsTimesScaleOverThreeTruncated) {
    EXPECT_EQ(CellHeight(12, kView), 12);
    EXPECT_EQ(CellHeight(200, kView), 200);
    EXPECT_EQ(CellHeight(12, k600Dpi), 94);
    EXPECT_EQ(CellHeight(1, k600Dpi), 7);
    EXPECT_EQ(CellHeight(10, 2.5f), 8);  // 8.33 truncated
}

TEST(TextLayer, FontAndPositionFollowTheRecord) {
    auto layer = TextLayer();
    layer.fontBold = 700;
    layer.fontItalic = 1;
    layer.fontStrike = 0x100;  // only the low byte counts
    layer.angle = 90;
    RecordingCanvas canvas;
    DrawTextLayer(canvas, layer, 10, 5, 360, 360, kView, k600Dpi);

    auto fonts = canvas.Of(Op::SelectFont);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].font.face, text::FieldView(layer.fontFace));
    EXPECT_EQ(fonts[0].font.cellHeight, 94);  // the vertical scale sets the height
    EXPECT_EQ(fonts[0].font.weight, 700);
    EXPECT_TRUE(fonts[0].font.italic);
    EXPECT_FALSE(fonts[0].font.underline);
    EXPECT_FALSE(fonts[0].font.strikeOut);
    EXPECT_EQ(fonts[0].font.angle, 90);
    auto texts = canvas.Of(Op::DrawText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x, 10 + 60);
    EXPECT_EQ(texts[0].y, 5 + 708);  // trunc(30 x 23.622047)
    EXPECT_EQ(texts[0].text, "Label");
    EXPECT_EQ(texts[0].colour, 0x0000FFu);
}

TEST(TextLayer, ShadowIsDrawnFirstAtAnUnscaledOffset) {
    auto layer = TextLayer();
    layer.shadow = 1;
    layer.shadowColor = 0x808080;
    layer.shadowX = 2;
    layer.shadowY = -3;
    for (float scale : {kView, k600Dpi}) {
        RecordingCanvas canvas;
        DrawTextLayer(canvas, layer, 0, 0, 360, 360, scale, scale);
        auto texts = canvas.Of(Op::DrawText);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].colour, 0x808080u);
        EXPECT_EQ(texts[1].colour, 0x0000FFu);
        EXPECT_EQ(texts[0].x - texts[1].x, 2);
        EXPECT_EQ(texts[0].y - texts[1].y, -3);
    }
}

TEST(TextLayer, UncheckedFileValuesAreClampedOrSkipped) {
    auto layer = TextLayer();
    layer.fontSize = INT_MAX;
    layer.fontBold = 5000;
    layer.angle = -90;
    layer.shadow = 1;
    layer.shadowX = 1000000000;
    layer.shadowY = -1000000000;
    layer.posX = INT_MAX;
    RecordingCanvas canvas;
    DrawTextLayer(canvas, layer, 0, 0, 360, 360, k600Dpi, k600Dpi);
    auto fonts = canvas.Of(Op::SelectFont);
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].font.cellHeight, kMaxCellHeight);
    EXPECT_EQ(fonts[0].font.weight, 1000);
    EXPECT_EQ(fonts[0].font.angle, 270);
    auto texts = canvas.Of(Op::DrawText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].x, kDeviceLimit);
    EXPECT_EQ(texts[0].y, -kDeviceLimit);

    for (int size : {0, -5}) {
        layer.fontSize = size;
        RecordingCanvas none;
        DrawTextLayer(none, layer, 0, 0, 360, 360, kView, kView);
        EXPECT_TRUE(none.calls.empty()) << size;
    }
}

}  // namespace
}  // namespace quillora::render
