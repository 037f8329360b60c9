#include <QApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <memory>
#include <mutex>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "TestDocuments.h"
#include "canvas/PainterCanvas.h"
#include "render/LabelRenderer.h"
#include "print/CropMarks.h"
#include "canvas/PrinterBands.h"

using namespace quillora;
using namespace quillora::print;

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

std::array<int, 4> Ends(const MarkSegment& s) { return {s.from.x, s.from.y, s.to.x, s.to.y}; }

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

TEST(CropMarks, EachSegmentLeavesOutItsEndPoint) {
    const auto lines = CropMarkSegments(SmallGeometry());
    ASSERT_EQ(lines.size(), 20u);  // eight corner marks of two segments, four centre marks of one
    // top-left, first: (86,200) -> (96,200) -> (96,190)
    EXPECT_EQ(Ends(lines[0]), (std::array{86, 200, 95, 200}));
    EXPECT_EQ(Ends(lines[1]), (std::array{96, 200, 96, 191}));
    // top-right, first, drawn leftwards then up
    EXPECT_EQ(Ends(lines[4]), (std::array{415, 200, 406, 200}));
    EXPECT_EQ(Ends(lines[5]), (std::array{405, 200, 405, 191}));
    // bottom-right, second, drawn leftwards then down
    EXPECT_EQ(Ends(lines[14]), (std::array{411, 605, 402, 605}));
    EXPECT_EQ(Ends(lines[15]), (std::array{401, 605, 401, 614}));
    // centre marks: top, bottom, left, right
    EXPECT_EQ(Ends(lines[16]), (std::array{250, 186, 250, 195}));
    EXPECT_EQ(Ends(lines[17]), (std::array{250, 605, 250, 614}));
    EXPECT_EQ(Ends(lines[18]), (std::array{86, 400, 95, 400}));
    EXPECT_EQ(Ends(lines[19]), (std::array{405, 400, 414, 400}));
}

// The label's square as the bands reach a print page: `bandRows` a band on `threads` threads.
class PrintBandsTest : public ::testing::Test {
protected:
    QApplication& app = EnsureApplication();  // fonts
    static void DrawBands(QPainter& painter, const document::LabelDocument& doc, const PrintGeometry& g, int bandRows,
                          int threads = canvas::RenderThreads()) {
        std::mutex mutex;  // bands arrive on several threads
        canvas::RenderPrinterBands(doc, {g.widthDev, g.heightDev, bandRows}, threads, [&](int i, int, const QImage& band) {
            std::lock_guard lock(mutex);
            painter.drawImage(g.originX, g.originY + i * bandRows, band);
        });
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
    // 2 dots per mm: a 240-dot square at (60, 40).
    PrintGeometry geometry = ComputePrintGeometry({400, 400, 200, 200}, 30, 20, 120);
};

// The square rendered band by band is the same picture as rendered at once: pictures, text and
// the mask cross the band edges without a seam.
TEST_F(PrintBandsTest, BandsJoinIntoTheSameLabelAsOneRender) {
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
        DrawBands(painter, doc, geometry, 37);
    }
    EXPECT_EQ(page.copy(geometry.originX, geometry.originY, geometry.widthDev, geometry.heightDev), whole);
    EXPECT_NE(whole.pixel(60 + 10, 70 + 10), whole.pixel(60 + 100, 70 + 80));  // the picture is there
}

// However many threads render the bands, the page holds the same pixels: large rotated text,
// whose slanted edges are where a band's start could show, and a picture cross many bands.
TEST_F(PrintBandsTest, EveryNumberOfThreadsPrintsTheSamePixels) {
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
        DrawBands(painter, doc, fine, 100, threads);
        return page;
    };
    const QImage one = print(1);
    // More threads than the pool has wait their turn and find the bands taken.
    for (int threads : {2, 3, 16}) EXPECT_EQ(print(threads), one) << threads << " threads";
    EXPECT_NE(one.pixel(fine.originX + 30 * 12 + 10, fine.originY + 35 * 12 + 10), one.pixel(fine.originX + 5, fine.originY + 720));
}
