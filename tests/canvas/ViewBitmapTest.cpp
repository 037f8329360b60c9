#include <QColor>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <climits>

#include "canvas/LabelImage.h"
#include "canvas/PainterCanvas.h"
#include "canvas/ViewBitmap.h"
#include "render/LabelRenderer.h"
#include "text/FixedField.h"

namespace quillora::canvas {
namespace {

const QRgb kFace = qRgb(240, 240, 240);
const QRgb kBack = qRgb(0x56, 0x34, 0x12);  // 0x123456 as 0x00BBGGRR
const QRgb kLine = qRgb(0, 0, 0xFF);

document::LabelDocument NewLabel() {
    document::LabelDocument doc;
    doc.header.outerDiameter = 120;
    doc.header.innerDiameter = 30;
    doc.Create({0x123456, 0xFF0000, 1});
    return doc;
}

// A picture of one colour above and another below its middle, stored bottom-up.
std::unique_ptr<document::Picture> TwoBands(QRgb top, QRgb bottom) {
    auto picture = std::make_unique<document::Picture>();
    picture->width = 8;
    picture->height = 8;
    picture->bits.resize(picture->RowBytes() * 8);
    for (int r = 0; r < 8; ++r) {
        QRgb c = r < 4 ? top : bottom;
        std::uint8_t* row = picture->bits.data() + picture->RowBytes() * (7 - r);
        for (int x = 0; x < 8; ++x) {
            row[3 * x] = qBlue(c);
            row[3 * x + 1] = qGreen(c);
            row[3 * x + 2] = qRed(c);
        }
    }
    return picture;
}

// The whole label at 3 pixels per millimetre, as the window shows it at 100%.
const QImage& Whole(ViewBitmap& view, const document::LabelDocument& doc) {
    const int side = doc.SafeOuterMm() * 3;
    return view.Region(doc, side, QRect(0, 0, side, side));
}

TEST(ViewBitmap, MaskHoleAndBorderLieOnTheirPixels) {
    auto doc = NewLabel();
    ViewBitmap view;
    const QImage& image = Whole(view, doc);
    ASSERT_EQ(image.size(), QSize(360, 360));
    // Corners in the face colour, the disc in the background colour.
    EXPECT_EQ(image.pixel(0, 0), kFace);
    EXPECT_EQ(image.pixel(359, 359), kFace);
    EXPECT_EQ(image.pixel(180, 60), kBack);
    // The outer border on the first and last pixel of the middle row and column.
    EXPECT_EQ(image.pixel(0, 180), kLine);
    EXPECT_EQ(image.pixel(1, 180), kBack);
    EXPECT_EQ(image.pixel(359, 180), kLine);
    EXPECT_EQ(image.pixel(180, 0), kLine);
    EXPECT_EQ(image.pixel(180, 359), kLine);
    // The hole (135, 135, 225, 225): its frame inside its edge, the face colour within.
    EXPECT_EQ(image.pixel(134, 180), kBack);
    EXPECT_EQ(image.pixel(135, 180), kLine);
    EXPECT_EQ(image.pixel(136, 180), kFace);
    EXPECT_EQ(image.pixel(224, 180), kLine);
    EXPECT_EQ(image.pixel(225, 180), kBack);
    EXPECT_EQ(image.pixel(180, 134), kBack);
    EXPECT_EQ(image.pixel(180, 135), kLine);
    EXPECT_EQ(image.pixel(180, 180), kFace);

    // The same part again is not rendered again until the label is said to have changed.
    doc.state.borderLine = 0;
    EXPECT_EQ(Whole(view, doc).pixel(0, 180), kLine);
    view.Invalidate();
    EXPECT_EQ(Whole(view, doc).pixel(0, 180), kBack);
    EXPECT_EQ(Whole(view, doc).pixel(135, 180), kFace);
}

// A part of the label rendered at a zoom has the pixels of the whole label rendered at that
// scale: text (rotated, shadowed), a picture, the list, the mask and the border alike, whether
// rendered whole or, after a scroll, in the strips the last part did not cover.
TEST(ViewBitmap, APartHasThePixelsOfTheWholeAtTheSameScale) {
    auto doc = NewLabel();
    int slot = doc.FindFreeSlot();
    doc.InsertAtSelection(slot);
    doc.layers[slot].kind = document::LayerKind::Picture;
    doc.layers[slot].visible = 1;
    doc.layers[slot].placement = 2;
    doc.pictures[slot] = TwoBands(qRgb(255, 0, 0), qRgb(0, 0, 255));
    slot = doc.FindFreeSlot();
    doc.InsertAtSelection(slot);
    auto& layer = doc.layers[slot];
    layer.kind = document::LayerKind::Text;
    layer.visible = 1;
    text::StoreField(layer.text, "Quillora");
    layer.fontSize = 24;
    layer.angle = 35;
    layer.shadow = 1;
    layer.shadowX = 2;
    layer.shadowY = 2;
    layer.posX = 20;
    layer.posY = 50;
    for (int i = 0; i < 12; ++i) text::StoreField(doc.list.entryText[i], "track");

    for (const int side : {1440, 540}) {
        QImage whole(side, side, QImage::Format_RGB32);
        PaintLabelImage(whole, doc, render::RenderTarget::View);
        ViewBitmap view;
        for (const QRect part : {QRect(0, 0, side, side), QRect(97, 301, 400, 233), QRect(101, 297, 400, 233),
                                 QRect(side - 50, 7, 50, 300)})
            EXPECT_EQ(view.Region(doc, side, part), whole.copy(part)) << side << " " << part.x();
    }
}

TEST(ViewBitmap, APictureIsCutAtTheCircleAndTheHole) {
    auto doc = NewLabel();
    int slot = doc.FindFreeSlot();
    doc.InsertAtSelection(slot);
    auto& layer = doc.layers[slot];
    layer.kind = document::LayerKind::Picture;
    layer.visible = 1;
    layer.placement = 2;
    doc.pictures[slot] = TwoBands(qRgb(255, 0, 0), qRgb(0, 0, 255));
    ViewBitmap view;
    const QImage& image = Whole(view, doc);
    EXPECT_EQ(image.pixel(180, 60), qRgb(255, 0, 0));   // the picture's top half is at the top
    EXPECT_EQ(image.pixel(180, 300), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(5, 5), kFace);
    EXPECT_EQ(image.pixel(354, 354), kFace);
    EXPECT_EQ(image.pixel(180, 170), kFace);
    EXPECT_EQ(image.pixel(0, 180), kLine);
}

// Values from a file are not range-checked: none of these may crash, hang or exhaust memory.
TEST(PrinterTarget, UncheckedValuesRenderAndTheCornersStayMasked) {
    auto doc = NewLabel();
    const char* const longText = "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789";
    for (int size : {INT_MAX, -5, 0, 200}) {
        int slot = doc.FindFreeSlot();
        doc.InsertAtSelection(slot);
        auto& layer = doc.layers[slot];
        layer.kind = document::LayerKind::Text;
        layer.visible = 1;
        text::StoreField(layer.text, longText);
        layer.fontSize = size;
        layer.angle = size % 360;
        layer.shadow = 1;
        layer.shadowX = 1000000000;
        layer.shadowY = -1000000000;
        layer.posX = 10;
        layer.posY = 20;
    }
    for (int placement : {0, 1, 2, 9}) {
        int slot = doc.FindFreeSlot();
        doc.InsertAtSelection(slot);
        auto& layer = doc.layers[slot];
        layer.kind = document::LayerKind::Picture;
        layer.visible = 1;
        layer.placement = placement;
        layer.keepAspect = 1;
        layer.widthMm = INT_MAX;
        layer.heightMm = placement == 0 ? 0 : INT_MAX;
        layer.posX = INT_MIN;
        doc.pictures[slot] = TwoBands(qRgb(255, 0, 0), qRgb(0, 0, 255));
    }
    int unknown = doc.FindFreeSlot();
    doc.InsertAtSelection(unknown);
    doc.layers[unknown].kind = static_cast<document::LayerKind>(77);
    doc.layers[unknown].visible = 1;
    doc.list.fontSize = INT_MAX;
    doc.list.layoutStyle = 2;
    doc.list.secondColumnStart = -1;
    doc.list.lineGap = INT_MAX;
    for (int i = 0; i < document::kListEntries; ++i) text::StoreField(doc.list.entryText[i], "a\r\nb\r\nc\r\nd\r\ne\r\nf");

    ViewBitmap view;
    EXPECT_EQ(Whole(view, doc).pixel(0, 0), kFace);
    EXPECT_EQ(Whole(view, doc).pixel(180, 180), kFace);
    // The printer page goes through QPainter's own image drawing rather than the direct stretch.
    QImage page(720, 720, QImage::Format_RGB888);
    PaintLabelImage(page, doc, render::RenderTarget::Printer);
    EXPECT_EQ(page.pixel(3, 3), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(360, 360), qRgb(255, 255, 255));
}

TEST(PrinterTarget, WhitensThePageOutsideTheDisc) {
    auto doc = NewLabel();
    QImage page(500, 460, QImage::Format_RGB32);
    page.fill(qRgb(0, 255, 0));
    {
        QPainter painter(&page);
        PainterCanvas canvas(painter);
        render::RenderLabel(canvas, doc, 50, 40, 120, 120, 360, 360, render::RenderTarget::Printer);
    }
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(page.pixel(0, 0), white);
    EXPECT_EQ(page.pixel(499, 459), white);
    EXPECT_EQ(page.pixel(55, 45), white);
    EXPECT_EQ(page.pixel(230, 220), white);  // the hole
    EXPECT_EQ(page.pixel(230, 100), kBack);
    EXPECT_EQ(page.pixel(50, 220), kLine);
}

}  // namespace
}  // namespace quillora::canvas
