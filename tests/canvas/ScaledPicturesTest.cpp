#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "canvas/LabelImage.h"
#include "canvas/ViewBitmap.h"
#include "text/FixedField.h"

namespace quillora::canvas {
namespace {

using document::LabelDocument;

// A picture whose every pixel differs from its neighbours, so a sample taken one pixel off shows.
std::shared_ptr<const document::Picture> Noise(int width, int height, int seed) {
    auto picture = std::make_shared<document::Picture>();
    picture->width = width;
    picture->height = height;
    picture->bits.resize(picture->RowBytes() * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < picture->bits.size(); ++i)
        picture->bits[i] = static_cast<std::uint8_t>(i * 7 + i / 97 + seed * 31);
    return picture;
}

int AddPicture(LabelDocument& doc, int placement, int keepAspect, int seed) {
    const int slot = doc.FindFreeSlot();
    doc.InsertAtSelection(slot);
    auto& layer = doc.layers[slot];
    layer.kind = document::LayerKind::Picture;
    layer.visible = 1;
    layer.placement = placement;
    layer.keepAspect = keepAspect;
    layer.imageWidthPx = 301 + seed;
    layer.imageHeightPx = 211;
    layer.widthMm = 47 + seed;
    layer.heightMm = 33;
    layer.posX = 11 * seed;
    layer.posY = 70 - 9 * seed;
    doc.pictures[slot] = Noise(layer.imageWidthPx, layer.imageHeightPx, seed);
    return slot;
}

void AddText(LabelDocument& doc, const char* text, int posX) {
    const int slot = doc.FindFreeSlot();
    doc.InsertAtSelection(slot);
    auto& layer = doc.layers[slot];
    layer.kind = document::LayerKind::Text;
    layer.visible = 1;
    text::StoreField(layer.text, text);
    layer.fontSize = 20;
    layer.posX = posX;
    layer.posY = 40;
}

int PositionOf(const LabelDocument& doc, int slot) {
    for (int pos = 0; pos < doc.SafeLayerCount(); ++pos)
        if (doc.SlotAt(pos) == slot) return pos;
    return -1;
}

LabelDocument HeavyLabel() {
    LabelDocument doc;
    doc.header.outerDiameter = 120;
    doc.header.innerDiameter = 30;
    doc.Create({0x123456, 0xFF0000, 1});
    // Slots 2 to 6 from the bottom up; slot 4 covers the disc, so nothing below it shows.
    AddPicture(doc, 2, 1, 1);
    AddPicture(doc, 1, 1, 2);
    AddPicture(doc, 2, 0, 3);
    AddPicture(doc, 0, 0, 4);
    AddPicture(doc, 1, 0, 5);
    AddText(doc, "Quillora", 30);  // slot 7, selected
    return doc;
}

struct Step {
    const char* name;
    std::function<void(LabelDocument&)> edit;
    int side = 360;
};

// Every step changes the label the cached view has drawn before (its kept pictures, and the kept
// layers below the selected one); its next render must have the pixels of a render from nothing
// of the same state.
TEST(ScaledPictures, EveryCachedRenderEqualsAFreshOne) {
    LabelDocument doc = HeavyLabel();
    const LabelDocument before = doc;
    const std::vector<Step> steps = {
        {"first render", [](LabelDocument&) {}},
        {"again", [](LabelDocument&) {}},
        {"edit the selected layer", [](LabelDocument& d) { d.layers[7].posX += 4; }},
        {"add a layer above it", [](LabelDocument& d) { AddText(d, "new", 50); }},
        {"edit the new layer", [](LabelDocument& d) { d.layers[d.SlotAt(d.SafeSelectedPos())].fontSize = 30; }},
        {"edit a layer below the selection", [](LabelDocument& d) { d.layers[6].widthMm += 2; }},
        {"select a lower layer", [](LabelDocument& d) { d.state.selectedPos = PositionOf(d, 5); }},
        {"edit a layer above the selection", [](LabelDocument& d) { d.layers[7].posY += 4; }},
        {"change the background", [](LabelDocument& d) { d.state.backColor = 0x00FF00; }},
        {"hide a picture", [](LabelDocument& d) { d.layers[6].visible = 0; }},
        {"show it again", [](LabelDocument& d) { d.layers[6].visible = 1; }},
        {"hide the covering picture", [](LabelDocument& d) { d.layers[4].visible = 0; }},
        {"move a picture", [](LabelDocument& d) { d.layers[5].posX += 3; }},
        {"resize a picture", [](LabelDocument& d) { d.layers[5].widthMm -= 5; }},
        {"replace a picture", [](LabelDocument& d) { d.pictures[2] = Noise(306, 211, 9); }},
        {"move a layer up", [](LabelDocument& d) { d.MoveLayer(5, document::MoveDirection::Up); }},
        {"move it down", [](LabelDocument& d) { d.MoveLayer(4, document::MoveDirection::Down); }},
        {"delete a layer", [](LabelDocument& d) { d.FreeSlotAt(3); }},
        {"copy a layer", [](LabelDocument& d) { d.CopyLayerRecord(2); }},
        {"zoom in", [](LabelDocument&) {}, 720},
        {"zoom out", [](LabelDocument&) {}, 270},
        {"undo all", [&before](LabelDocument& d) { d = before; }},
        {"back at 100%", [](LabelDocument&) {}},
    };
    ViewBitmap view;
    for (const Step& step : steps) {
        step.edit(doc);
        view.Invalidate();
        QImage fresh(step.side, step.side, QImage::Format_RGB32);
        PaintLabelImage(fresh, doc, render::RenderTarget::View);
        const QRect whole(0, 0, step.side, step.side);
        EXPECT_EQ(view.Region(doc, step.side, whole), fresh) << step.name;
        // A scroll renders strips with the pictures kept from the whole.
        const QRect part(step.side / 5, step.side / 7, step.side / 2, step.side / 3);
        EXPECT_EQ(view.Region(doc, step.side, part), fresh.copy(part)) << step.name << ", scrolled";
        EXPECT_EQ(view.Region(doc, step.side, whole), fresh) << step.name << ", scrolled back";
    }
}

}  // namespace
}  // namespace quillora::canvas
