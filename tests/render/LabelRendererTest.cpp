#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingCanvas.h"
#include "TestDocuments.h"
#include "render/LabelRenderer.h"

namespace quillora::render {
namespace {

void RenderView(RecordingCanvas& canvas, const document::LabelDocument& doc) {
    RenderLabel(canvas, doc, 0, 0, doc.state.outerMm, doc.state.outerMm, doc.state.outerPx, doc.state.outerPx,
                RenderTarget::View);
}

TEST(LabelRenderer, NewDocumentPaintsBackgroundMaskHoleAndBorderInThatOrder) {
    auto doc = NewLabel();
    doc.state.backColor = 0x123456;
    doc.state.lineColor = 0x0000FF;
    RecordingCanvas canvas;
    RenderView(canvas, doc);

    ASSERT_EQ(canvas.Ops(), (std::vector<Op>{Op::FillRect, Op::FillOutsideEllipse, Op::FillEllipse,
                                             Op::FrameEllipse, Op::FrameEllipse}));
    const DeviceRect square{0, 0, 360, 360};
    const DeviceRect hole{135, 135, 225, 225};
    EXPECT_EQ(canvas.calls[0].rect, square);
    EXPECT_EQ(canvas.calls[0].colour, 0x123456u);
    EXPECT_EQ(canvas.calls[1].rect, square);
    EXPECT_EQ(canvas.calls[1].ellipse, square);
    EXPECT_EQ(canvas.calls[1].colour, kViewFaceColour);
    EXPECT_EQ(canvas.calls[2].rect, hole);
    EXPECT_EQ(canvas.calls[2].colour, kViewFaceColour);
    EXPECT_EQ(canvas.calls[3].rect, square);
    EXPECT_EQ(canvas.calls[4].rect, hole);
    EXPECT_EQ(canvas.calls[4].colour, 0x0000FFu);
}

TEST(LabelRenderer, BorderIsDrawnOnlyWhenOn) {
    auto doc = NewLabel();
    doc.state.borderLine = 0;
    RecordingCanvas canvas;
    RenderView(canvas, doc);
    EXPECT_TRUE(canvas.Of(Op::FrameEllipse).empty());
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls.back().op, Op::FillEllipse);
}

TEST(LabelRenderer, PrinterMaskIsWhiteOverTheWholePageAndScalesMayDiffer) {
    auto doc = NewLabel();
    RecordingCanvas canvas({4792, 6700});
    // 5 units per mm across, 4 down, placed at the margins.
    RenderLabel(canvas, doc, 100, 200, 120, 120, 600, 480, RenderTarget::Printer);
    auto mask = canvas.Of(Op::FillOutsideEllipse);
    ASSERT_EQ(mask.size(), 1u);
    EXPECT_EQ(mask[0].rect, (DeviceRect{0, 0, 4792, 6700}));
    EXPECT_EQ(mask[0].ellipse, (DeviceRect{100, 200, 700, 680}));
    EXPECT_EQ(mask[0].colour, kPaperWhite);
    auto hole = canvas.Of(Op::FillEllipse);
    ASSERT_EQ(hole.size(), 1u);
    // insets trunc(90 x 5 x 0.5) = 225 and trunc(90 x 4 x 0.5) = 180
    EXPECT_EQ(hole[0].rect, (DeviceRect{325, 380, 475, 500}));
    EXPECT_EQ(hole[0].colour, kPaperWhite);
}

TEST(LabelRenderer, LayersAreDrawnBottomToTopBetweenBackgroundAndMask) {
    auto doc = NewLabel();
    SetListEntries(doc, 1);
    AddTextLayer(doc, "lower", 10, 10);  // between the list and the background
    AddTextLayer(doc, "upper", 10, 10);  // inserted at the selection, above "lower"
    RecordingCanvas canvas;
    RenderView(canvas, doc);

    std::vector<std::string> texts;
    for (const Call& c : canvas.Of(Op::DrawText)) texts.push_back(c.text);
    // The list holds position 0, the top: it is drawn last.
    EXPECT_EQ(texts, (std::vector<std::string>{"lower", "upper", "01.", "Track1"}));
    auto ops = canvas.Ops();
    EXPECT_EQ(ops.front(), Op::FillRect);
    auto firstMask = std::find(ops.begin(), ops.end(), Op::FillOutsideEllipse) - ops.begin();
    auto lastText = std::find(ops.rbegin(), ops.rend(), Op::DrawText).base() - 1 - ops.begin();
    EXPECT_LT(lastText, firstMask);
}

// A picture stretched over the whole square hides what lies below it: those layers are not drawn.
TEST(LabelRenderer, LayersBelowAPictureCoveringTheDiscAreLeftOut) {
    auto doc = NewLabel();
    AddTextLayer(doc, "lower", 10, 10);
    const int cover = AddPictureLayer(doc, 2, 0, 0);
    auto picture = std::make_shared<document::Picture>();
    picture->width = picture->height = 2;
    picture->bits.resize(picture->RowBytes() * 2);
    doc.pictures[cover] = picture;
    AddTextLayer(doc, "upper", 10, 10);
    const auto texts = [&doc] {
        RecordingCanvas canvas;
        RenderView(canvas, doc);
        std::vector<std::string> drawn;
        for (const Call& c : canvas.Of(Op::DrawText)) drawn.push_back(c.text);
        return drawn;
    };
    EXPECT_EQ(texts(), (std::vector<std::string>{"upper"}));
    // Kept in proportion, hidden or without its picture it may leave the disc partly uncovered.
    for (auto change : std::initializer_list<void (*)(document::LabelDocument&, int)>{
             [](document::LabelDocument& d, int slot) { d.layers[slot].keepAspect = 1; },
             [](document::LabelDocument& d, int slot) { d.layers[slot].visible = 0; },
             [](document::LabelDocument& d, int slot) { d.pictures[slot] = nullptr; }}) {
        auto saved = doc;
        change(doc, cover);
        EXPECT_EQ(texts(), (std::vector<std::string>{"lower", "upper"}));
        doc = saved;
    }
}

TEST(LabelRenderer, HiddenLayersAndUnknownKindsAreSkipped) {
    auto doc = NewLabel();
    SetListEntries(doc, 3);
    int hidden = AddTextLayer(doc, "hidden", 10, 10);
    doc.layers[hidden].visible = 0;
    int odd = AddTextLayer(doc, "odd kind", 10, 10);
    doc.layers[odd].kind = static_cast<document::LayerKind>(7);
    doc.layers[0].visible = 0;  // the list layer
    RecordingCanvas canvas;
    RenderView(canvas, doc);
    EXPECT_TRUE(canvas.Of(Op::DrawText).empty());
    EXPECT_TRUE(canvas.Of(Op::SelectFont).empty());
}

TEST(LabelRenderer, DamagedStackingValuesNeitherCrashNorDrawStrayLayers) {
    auto doc = NewLabel();
    AddTextLayer(doc, "kept", 10, 10);
    doc.order[0] = 4000;   // the list's position now names no slot
    doc.state.layerCount = 1 << 30;
    doc.state.outerMm = -7;
    doc.state.innerMm = 1 << 30;
    RecordingCanvas canvas;
    RenderLabel(canvas, doc, 0, 0, 120, 120, 360, 360, RenderTarget::View);
    auto texts = canvas.Of(Op::DrawText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "kept");

    doc.state.layerCount = -3;
    RecordingCanvas empty;
    RenderLabel(empty, doc, 0, 0, 120, 120, 360, 360, RenderTarget::View);
    EXPECT_TRUE(empty.Of(Op::DrawText).empty());
    EXPECT_EQ(empty.Of(Op::FillOutsideEllipse).size(), 1u);
}

TEST(LabelRenderer, NothingIsDrawnForAnEmptyBox) {
    auto doc = NewLabel();
    RecordingCanvas canvas;
    RenderLabel(canvas, doc, 0, 0, 0, 120, 360, 360, RenderTarget::View);
    RenderLabel(canvas, doc, 0, 0, 120, 120, 360, 0, RenderTarget::View);
    EXPECT_TRUE(canvas.calls.empty());
}

}  // namespace
}  // namespace quillora::render
