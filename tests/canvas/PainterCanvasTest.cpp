#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QThreadPool>
#include <gtest/gtest.h>
#include <latch>
#include <memory>

#include "canvas/PainterCanvas.h"
#include "text/Cp932.h"

namespace quillora::canvas {
namespace {

constexpr document::Colour kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

// A white image with a canvas on it.
class Surface {
public:
    Surface(int width, int height) : image_(width, height, QImage::Format_RGB32) {
        image_.fill(Qt::white);
        painter_ = std::make_unique<QPainter>(&image_);
        canvas_ = std::make_unique<PainterCanvas>(*painter_);
    }
    PainterCanvas& canvas() { return *canvas_; }
    const QImage& Finish() {
        canvas_.reset();
        painter_.reset();
        return image_;
    }

private:
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PainterCanvas> canvas_;
};

// The smallest rectangle holding every pixel that is not white.
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kWhite) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

render::FontRequest Gothic(int cell, int angle) {
    render::FontRequest font;
    font.face = *text::Utf8ToCp932("ＭＳ ゴシック");
    font.cellHeight = cell;
    font.angle = angle;
    return font;
}

// Where a cell w wide and h high, turned by `angle`, lies when its corner is at (x, y).
QRect TurnedCell(int angle, int x, int y, int w, int h) {
    switch (angle) {
    case 0: return QRect(x, y, w, h);
    case 90: return QRect(x, y - w, h, w);
    case 180: return QRect(x - w, y - h, w, h);
    default: return QRect(x - h, y, h, w);
    }
}

class RotatedText : public ::testing::TestWithParam<int> {};

TEST_P(RotatedText, TurnsCounterClockwiseAboutTheCellsTopLeftCorner) {
    const int angle = GetParam();
    Surface surface(400, 400);
    surface.canvas().SelectFont(Gothic(60, angle));
    const std::string blocks = *text::Utf8ToCp932("■■");
    int width = surface.canvas().MeasureText(blocks).width;
    ASSERT_GT(width, 100);
    surface.canvas().DrawText(200, 200, blocks, kBlack);
    QRect ink = InkBounds(surface.Finish());
    ASSERT_FALSE(ink.isNull());
    QRect cell = TurnedCell(angle, 200, 200, width, 60);
    EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    // The blocks fill most of their cells.
    EXPECT_GT(ink.width() * ink.height(), cell.width() * cell.height() / 2);
}

INSTANTIATE_TEST_SUITE_P(PainterCanvas, RotatedText, ::testing::Values(0, 90, 180, 270));

TEST(PainterCanvas, TextIsDrawnWithoutAntialiasingOrBackground) {
    Surface surface(200, 60);
    surface.canvas().SelectFont(Gothic(36, 0));
    surface.canvas().DrawText(4, 4, *text::Utf8ToCp932("あいう Quillora"), 0x0000FF);
    const QImage& image = surface.Finish();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb p = image.pixel(x, y);
            ASSERT_TRUE(p == kWhite || p == qRgb(255, 0, 0)) << x << "," << y;
            ink += p != kWhite;
        }
    EXPECT_GT(ink, 100);
}

TEST(PainterCanvas, MeasuresTheRequestedCellEvenForAnEmptyLine) {
    Surface surface(10, 10);
    EXPECT_EQ(surface.canvas().MeasureText("abc").width, 0);  // no font yet
    surface.canvas().SelectFont(Gothic(17, 0));
    EXPECT_EQ(surface.canvas().MeasureText(""), (render::DeviceSize{0, 17}));
    render::DeviceSize test = surface.canvas().MeasureText("Test999");
    EXPECT_EQ(test.height, 17);
    EXPECT_GT(test.width, 17);
}

TEST(PainterCanvas, EllipseFillFrameAndMaskMeetExactly) {
    Surface surface(100, 80);
    const render::DeviceRect square{10, 10, 70, 70};
    surface.canvas().FillRect({0, 0, 100, 80}, 0x0000FF);
    surface.canvas().FillOutsideEllipse({0, 0, 100, 80}, square, 0xFFFFFF);
    surface.canvas().FrameEllipse(square, 0x00FF00);
    const QImage& image = surface.Finish();
    // Row 40 (the middle): white up to 10, the frame at 10 and 69, red inside.
    EXPECT_EQ(image.pixel(9, 40), kWhite);
    EXPECT_EQ(image.pixel(10, 40), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(11, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(68, 40), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(69, 40), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(70, 40), kWhite);
    EXPECT_EQ(image.pixel(40, 10), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(40, 9), kWhite);
    EXPECT_EQ(image.pixel(40, 69), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(40, 70), kWhite);
    EXPECT_EQ(image.pixel(11, 11), kWhite);  // a corner of the square
    EXPECT_EQ(image.pixel(99, 79), kWhite);  // outside the square, inside the area
}

TEST(PainterCanvas, LinesAreOneUnitWide) {
    Surface surface(30, 30);
    surface.canvas().DrawLine(5, 10, 25, 10, 0x00FF00);
    const QImage& image = surface.Finish();
    EXPECT_EQ(InkBounds(image), QRect(5, 10, 21, 1));
}

// Images the canvas writes itself and images it leaves to QPainter must look the same.
class PictureTargets : public ::testing::TestWithParam<QImage::Format> {};

TEST_P(PictureTargets, PicturesAreStretchedUpsideUpWithoutSmoothing) {
    // 2 x 2 pixels, stored bottom-up: the first stored row is the bottom one.
    document::Picture picture;
    picture.width = 2;
    picture.height = 2;
    picture.bits = {0, 0, 255, 0, 255, 0, 0, 0,      // bottom: red, green, padding
                    255, 0, 0, 255, 255, 255, 0, 0};  // top: blue, white, padding
    QImage image(40, 40, GetParam());
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        const render::DeviceRect everything{-100, -100, 140, 140};
        canvas.DrawPicture(picture, {10, 10, 30, 30}, everything);
        canvas.DrawPicture(picture, {-4, -4, 4, 4}, everything);  // cut at the image's edge
    }
    const QRgb black = qRgb(0, 0, 0), blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            QRgb expected = black;
            if (x >= 10 && x < 30 && y >= 10 && y < 30)
                expected = y < 20 ? (x < 20 ? blue : kWhite) : (x < 20 ? red : green);
            else if (x < 4 && y < 4)
                expected = y < 0 ? blue : (x < 0 ? red : green);
            ASSERT_EQ(image.pixel(x, y), expected) << x << ", " << y;
        }
}

// A picture's rows shared among any number of threads make the same image, every row written
// once: bands on several threads give their pictures one thread, the view all of the pool's.
TEST(PainterCanvas, PictureRowsSharedAmongThreadsMakeTheSameImage) {
    document::Picture picture;
    picture.width = 333;
    picture.height = 257;
    picture.bits.resize(picture.RowBytes() * 257);
    for (std::size_t i = 0; i < picture.bits.size(); ++i) picture.bits[i] = static_cast<std::uint8_t>(i * 7 + i / 331);
    const auto draw = [&](int threads) {
        QImage image(700, 650, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        PainterCanvas canvas(painter, nullptr, threads);
        canvas.DrawPicture(picture, {-13, 5, 690, 661}, {20, 0, 680, 640});
        return image;
    };
    const QImage one = draw(1);
    EXPECT_EQ(one.pixel(350, 2), qRgb(0, 0, 0));  // above the picture
    EXPECT_NE(one.pixel(350, 320), qRgb(0, 0, 0));
    for (int threads : {2, 3, 4, 9}) EXPECT_EQ(draw(threads), one) << threads << " threads";
}

// Large pictures are shared out to the global thread pool; with every pool thread taken the
// drawing must still finish, on the calling thread.
TEST(PainterCanvas, LargePicturesAreDrawnWhileThePoolIsBusy) {
    QThreadPool* pool = QThreadPool::globalInstance();
    const int savedThreads = pool->maxThreadCount();
    pool->setMaxThreadCount(2);
    std::latch started(2);
    std::latch release(1);
    for (int i = 0; i < 2; ++i)
        pool->start([&] {
            started.count_down();
            release.wait();
        });
    started.wait();

    document::Picture picture;
    picture.width = 1;
    picture.height = 1;
    picture.bits = {0, 0, 255, 0};  // red
    QImage image(600, 600, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter);
        canvas.DrawPicture(picture, {0, 0, 600, 600}, {0, 0, 600, 600});
    }
    release.count_down();
    pool->waitForDone();
    pool->setMaxThreadCount(savedThreads);
    EXPECT_EQ(image.pixel(300, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(300, 590), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));  // outside the kept disc: left to the mask
}

INSTANTIATE_TEST_SUITE_P(PainterCanvas, PictureTargets,
                         ::testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                                           QImage::Format_ARGB32_Premultiplied));

}  // namespace
}  // namespace quillora::canvas
