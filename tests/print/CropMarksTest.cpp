#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "RecordingCanvas.h"
#include "TestDocuments.h"
#include "canvas/PainterCanvas.h"
#include "render/LabelRenderer.h"
#include "print/CropMarks.h"
#include "print/PrintDocument.h"

using namespace quillora;
using namespace quillora::print;
using render::Op;

namespace {

// x0 = 100, x1 = 401, y0 = 200, y1 = 601, xc = 250, yc = 400, length 10, gap 4.
PrintGeometry SmallGeometry() {
    PrintGeometry g;
    g.originX = 100;
    g.originY = 200;
    g.widthDev = 301;
    g.heightDev = 401;
    g.markLength = 10;
    g.markGap = 4;
    return g;
}

}  // namespace

TEST(CropMarks, TwelvePolylinesAroundTheSquare) {
    const std::vector<MarkPolyline> expected = {
        {{86, 200}, {96, 200}, {96, 190}},     // top-left: the top edge extended, then up
        {{90, 196}, {100, 196}, {100, 186}},   // top-left: the gap outside, then the left edge up
        {{415, 200}, {405, 200}, {405, 190}},  // top-right
        {{411, 196}, {401, 196}, {401, 186}},
        {{86, 601}, {96, 601}, {96, 611}},     // bottom-left
        {{90, 605}, {100, 605}, {100, 615}},
        {{415, 601}, {405, 601}, {405, 611}},  // bottom-right
        {{411, 605}, {401, 605}, {401, 615}},
        {{250, 186}, {250, 196}},              // centres: top, bottom, left, right
        {{250, 605}, {250, 615}},
        {{86, 400}, {96, 400}},
        {{405, 400}, {415, 400}},
    };
    EXPECT_EQ(CropMarkPolylines(SmallGeometry()), expected);
}

TEST(CropMarks, EachSegmentIsDrawnInBlackWithoutItsEndPoint) {
    render::RecordingCanvas canvas;
    DrawCropMarks(canvas, SmallGeometry());
    const auto lines = canvas.Of(Op::DrawLine);
    ASSERT_EQ(lines.size(), 20u);  // eight corner marks of two segments, four centre marks of one
    for (const auto& line : lines) EXPECT_EQ(line.colour, 0x000000u);
    // top-left, first: (86,200) -> (96,200) -> (96,190)
    EXPECT_EQ(lines[0].rect, (render::DeviceRect{86, 200, 95, 200}));
    EXPECT_EQ(lines[1].rect, (render::DeviceRect{96, 200, 96, 191}));
    // top-right, first, drawn leftwards then up
    EXPECT_EQ(lines[4].rect, (render::DeviceRect{415, 200, 406, 200}));
    EXPECT_EQ(lines[5].rect, (render::DeviceRect{405, 200, 405, 191}));
    // bottom-right, second, drawn leftwards then down
    EXPECT_EQ(lines[14].rect, (render::DeviceRect{411, 605, 402, 605}));
    EXPECT_EQ(lines[15].rect, (render::DeviceRect{401, 605, 401, 614}));
    // centre marks: top, bottom, left, right
    EXPECT_EQ(lines[16].rect, (render::DeviceRect{250, 186, 250, 195}));
    EXPECT_EQ(lines[17].rect, (render::DeviceRect{250, 605, 250, 614}));
    EXPECT_EQ(lines[18].rect, (render::DeviceRect{86, 400, 95, 400}));
    EXPECT_EQ(lines[19].rect, (render::DeviceRect{405, 400, 414, 400}));
}

// The page on a real painter: label at the margins, the area outside the disc white up to the
// page's edges, and marks exactly when asked for.
class PrintPageTest : public ::testing::Test {
protected:
    QApplication& app = EnsureApplication();  // fonts
    QImage Paint(int cropMarks) {
        doc.header.cropMarks = cropMarks;
        QImage page(400, 400, QImage::Format_RGB32);
        page.fill(Qt::green);  // whatever the printable area held before
        QPainter painter(&page);
        PaintPrintPage(painter, doc, geometry);
        return page;
    }

    // A 3 x 2 picture of six colours, 60 x 50 mm at (30, 35).
    void AddSixPixelPicture() {
        const int slot = render::AddPictureLayer(doc, 0, 60, 50);
        doc.layers[slot].posX = 30;
        doc.layers[slot].posY = 35;
        doc.layers[slot].imageWidthPx = 3;
        doc.layers[slot].imageHeightPx = 2;
        auto picture = std::make_unique<document::Picture>();
        picture->width = 3;
        picture->height = 2;
        picture->bits = {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0,      // bottom row, padded to 12 bytes
                         0, 0, 0, 255, 255, 255, 128, 128, 128, 0, 0, 0};
        doc.pictures[slot] = std::move(picture);
    }

    document::LabelDocument doc = render::NewLabel(120, 30);
    // 2 dots per mm: a 240-dot square at (60, 40), marks 10 long 4 away.
    PrintGeometry geometry = ComputePrintGeometry({400, 400, 200, 200}, 30, 20, 120);
};

TEST_F(PrintPageTest, TheLabelSquareSitsAtTheMarginsAndTheRestOfTheAreaIsWhite) {
    doc.state.backColor = 0x0000FF;
    doc.state.borderLine = 0;
    const QImage page = Paint(0);
    EXPECT_EQ(page.pixel(60 + 120, 40 + 10), qRgb(255, 0, 0));   // near the top of the disc
    EXPECT_EQ(page.pixel(60 + 120, 40 + 120), qRgb(255, 255, 255));  // the hole
    EXPECT_EQ(page.pixel(60 + 2, 40 + 2), qRgb(255, 255, 255));   // a corner of the square
    EXPECT_EQ(page.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(399, 399), qRgb(255, 255, 255));
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) ASSERT_NE(page.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
}

TEST_F(PrintPageTest, CropMarksAreOneDotLinesThatStopShortOfTheirEnds) {
    doc.state.borderLine = 0;
    const QImage page = Paint(1);
    const QRgb black = qRgb(0, 0, 0);
    // top-left, first: (46,40) -> (56,40) -> (56,30), the last point not set.
    EXPECT_EQ(page.pixel(46, 40), black);
    EXPECT_EQ(page.pixel(56, 40), black);
    EXPECT_EQ(page.pixel(56, 31), black);
    EXPECT_NE(page.pixel(56, 30), black);
    EXPECT_NE(page.pixel(45, 40), black);
    EXPECT_NE(page.pixel(46, 41), black);  // one dot wide
    // right centre: (304,160) -> (314,160)
    EXPECT_EQ(page.pixel(304, 160), black);
    EXPECT_EQ(page.pixel(313, 160), black);
    EXPECT_NE(page.pixel(314, 160), black);
}

// The square rendered band by band is the same picture as rendered at once: pictures, text and
// the mask cross the band edges without a seam.
TEST_F(PrintPageTest, BandsJoinIntoTheSameLabelAsOneRender) {
    doc.state.backColor = 0x00C0FF;
    render::AddTextLayer(doc, "Quillora band", 20, 50);
    AddSixPixelPicture();

    QImage whole(geometry.widthDev, geometry.heightDev, QImage::Format_RGB32);
    {
        QPainter painter(&whole);
        canvas::PainterCanvas canvas(painter);
        render::RenderLabel(canvas, doc, 0, 0, 120, 120, geometry.widthDev, geometry.heightDev,
                            render::RenderTarget::Printer);
    }
    QImage page(400, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        DrawLabelSquare(painter, doc, geometry, qsizetype{geometry.widthDev} * 4 * 37);  // 37 rows a band
    }
    EXPECT_EQ(page.copy(geometry.originX, geometry.originY, geometry.widthDev, geometry.heightDev), whole);
    EXPECT_NE(whole.pixel(60 + 10, 70 + 10), whole.pixel(60 + 100, 70 + 80));  // the picture is there
}

// However many threads render the bands, the page holds the same pixels: large rotated text,
// whose slanted edges are where a band's start could show, and a picture cross many bands.
TEST_F(PrintPageTest, EveryNumberOfThreadsPrintsTheSamePixels) {
    for (int i = 0; i < 3; ++i) {
        const int slot = render::AddTextLayer(doc, "Quillora 春の海", 10 + 20 * i, 30 + 25 * i);
        doc.layers[slot].fontSize = 40;
        doc.layers[slot].angle = 30 + 45 * i;
    }
    AddSixPixelPicture();
    const PrintGeometry fine = ComputePrintGeometry({1500, 1500, 125, 125}, 2, 2, 120);  // 12 dots per mm
    const auto print = [&](int threads) {
        QImage page(1500, 1500, QImage::Format_RGB32);
        page.fill(Qt::green);
        QPainter painter(&page);
        DrawLabelSquare(painter, doc, fine, qsizetype{fine.widthDev} * 4 * 100, threads);  // 100 rows a band
        return page;
    };
    const QImage one = print(1);
    // More threads than the pool has wait their turn and find the bands taken.
    for (int threads : {2, 3, 16}) EXPECT_EQ(print(threads), one) << threads << " threads";
    EXPECT_NE(one.pixel(fine.originX + 30 * 12 + 10, fine.originY + 35 * 12 + 10), one.pixel(fine.originX + 5, fine.originY + 720));
}
