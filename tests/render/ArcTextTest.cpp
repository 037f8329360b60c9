// Text along a circle: where each character's cell lands and how it turns, at the view's and a
// printer's scale, on both sides, and what a text longer than one turn keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "RecordingCanvas.h"
#include "document/TextArc.h"
#include "render/TextLayerDrawing.h"
#include "text/FixedField.h"

namespace quillora::render {
namespace {

constexpr float kView = 3.0f;
constexpr float k600Dpi = 600.0f / 25.4f;
constexpr int kOuterMm = 120;

document::LayerRecord ArcLayer(const char* text, document::TextArc arc) {
    document::LayerRecord layer{};
    layer.kind = document::LayerKind::Text;
    layer.visible = 1;
    text::StoreField(layer.text, text);
    layer.fontSize = 12;
    layer.angle = 30;  // an arc's characters turn one by one: the layer's angle is not used
    arc.enabled = 1;
    document::WriteArc(layer, arc);
    return layer;
}

// The label's bounding square at (origin, origin), kOuterMm across at `scale`.
std::vector<Call> Glyphs(const document::LayerRecord& layer, float scale, int origin = 10) {
    RecordingCanvas canvas;
    const int side = static_cast<int>(kOuterMm * scale);
    DrawTextLayer(canvas, layer, origin, origin, side, side, scale, scale);
    auto fonts = canvas.Of(Op::SelectFont);
    EXPECT_EQ(fonts.size(), 1u);
    for (const Call& font : fonts) EXPECT_EQ(font.font.angle, 0);
    EXPECT_TRUE(canvas.Of(Op::DrawText).empty());
    return canvas.Of(Op::DrawTextCentred);
}

// Clockwise from the top, 0..360, as seen from the centre.
double PolarDegrees(const Call& g, double cx, double cy) {
    const double d = std::atan2(g.centreX - cx, cy - g.centreY) * 180.0 / std::numbers::pi;
    return d < 0 ? d + 360.0 : d;
}

double AngleBetween(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(ArcText, CellsSitOnTheCircleUprightToItCentredOnTheCentreAngle) {
    struct Case {
        float scale;
        document::ArcSide side;
        int centreAngle;
    };
    const Case cases[] = {{kView, document::ArcSide::Outside, 0},   {kView, document::ArcSide::Inside, 180},
                          {k600Dpi, document::ArcSide::Outside, 45}, {k600Dpi, document::ArcSide::Inside, 200},
                          {kView, document::ArcSide::Outside, 350}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << " angle " << c.centreAngle);
        const bool inside = c.side == document::ArcSide::Inside;
        const auto layer = ArcLayer("ABCDE", {1, 500, c.centreAngle, static_cast<std::int32_t>(c.side), 20});
        const auto glyphs = Glyphs(layer, c.scale);
        ASSERT_EQ(glyphs.size(), 5u);
        const double centre = 10 + static_cast<int>(kOuterMm * c.scale) / 2.0;
        const double radius = 50.0 * c.scale;
        const double step = RecordingCanvas::kCharWidth + 2.0 * c.scale;  // width and 2 mm spacing
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            const Call& g = glyphs[i];
            EXPECT_EQ(g.text, std::string(1, static_cast<char>('A' + i)));
            EXPECT_NEAR(std::hypot(g.centreX - centre, g.centreY - centre), radius, 0.5);
            const double polar = PolarDegrees(g, centre, centre);
            // Upright to the circle: the top points away from the centre outside, to it inside.
            EXPECT_NEAR(AngleBetween(g.degrees, inside ? polar + 180 : polar), 0, 1e-6);
            if (i == 0) continue;
            // Outside reads clockwise, inside counter-clockwise, one step of arc apart.
            const double turned = AngleBetween(polar, PolarDegrees(glyphs[i - 1], centre, centre));
            EXPECT_NEAR(turned, (inside ? -1 : 1) * step / radius * 180 / std::numbers::pi, 1e-6);
        }
        EXPECT_NEAR(AngleBetween(PolarDegrees(glyphs[2], centre, centre), c.centreAngle), 0, 1e-6);
    }
}

TEST(ArcText, ShadowsComeFirstOffsetOnThePage) {
    auto layer = ArcLayer("AB", {1, 400, 90, 0, 0});
    layer.shadow = 1;
    layer.shadowColor = 0x808080;
    layer.fontColor = 0x0000FF;
    layer.shadowX = 3;
    layer.shadowY = -2;
    const auto calls = Glyphs(layer, kView);
    ASSERT_EQ(calls.size(), 4u);
    for (int i = 0; i < 2; ++i) {
        const Call& shadow = calls[i];
        const Call& glyph = calls[i + 2];
        EXPECT_EQ(shadow.colour, 0x808080u);
        EXPECT_EQ(glyph.colour, 0x0000FFu);
        EXPECT_EQ(shadow.text, glyph.text);
        EXPECT_DOUBLE_EQ(shadow.centreX - glyph.centreX, 3);
        EXPECT_DOUBLE_EQ(shadow.centreY - glyph.centreY, -2);
        EXPECT_DOUBLE_EQ(shadow.degrees, glyph.degrees);
    }
}

TEST(ArcText, DoubleByteCharactersStayWholeAndNoTextGoesPastOneTurn) {
    // Radius 2 mm at 3 px/mm: a turn of 37.7 px holds two 16 px characters, not three.
    const auto wide = Glyphs(ArcLayer("\x82\xa0\x82\xa2\x82\xa4", {1, 20, 0, 0, 0}), kView);  // あいう
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0].text, "\x82\xa0");
    EXPECT_EQ(wide[1].text, "\x82\xa2");

    // Values from a file beyond the dialog's ranges are limited, never overlapping or crashing.
    EXPECT_TRUE(Glyphs(ArcLayer("AB", {1, -50, 0, 0, 0}), kView).empty());
    const auto squeezed = Glyphs(ArcLayer("AB", {1, 500, -720, 0, -100000}), kView);
    ASSERT_EQ(squeezed.size(), 2u);
    EXPECT_NEAR(squeezed[0].centreX, squeezed[1].centreX, 1e-9);  // spacing -10 mm: drawn together
}

}  // namespace
}  // namespace quillora::render
