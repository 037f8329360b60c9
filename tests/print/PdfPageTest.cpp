#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "PrintedPage.h"
#include "TempDir.h"
#include "TestDocuments.h"
#include "canvas/PrinterBands.h"
#include "print/PdfPage.h"

using namespace quillora;
using namespace quillora::print;

// At 72 dpi a dot is a point, and pdftoppm at 72 dpi gives back every dot as one pixel: the page
// must hold exactly what was drawn, at its place from the origin, in colour or grey.
TEST(PdfPage, RasterisesToExactlyTheDotsDrawn) {
    EnsureApplication();
    TempDir dir;
    document::LabelDocument doc = render::NewLabel(40, 15);
    doc.state.backColor = 0x2080FF;
    render::AddTextLayer(doc, "PDF", 10, 15);
    PrintGeometry square;
    square.originX = 30;
    square.originY = 12;
    square.widthDev = square.heightDev = 113;  // 40 mm at 72 dpi
    QImage label(square.widthDev, square.heightDev, QImage::Format_RGB32);
    canvas::PaintPrinterImage(label, doc, 1);
    const QPoint origin(7, 9);

    for (const bool grey : {false, true}) {
        SCOPED_TRACE(grey ? "grey" : "colour");
        PdfPage page(QSizeF(200, 160), 72, origin, grey);
        page.FillRect({0, 0, 20, 10}, qRgb(255, 0, 0));
        page.FillRect({150, 20, 1, 30}, qRgb(0, 0, 0));  // a crop mark's one dot
        page.DrawLabelSquare(doc, square);
        const std::string path = dir.Path() + "/page.pdf";
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(page.Write(QStringLiteral("ラベル"), [&](std::string_view bytes) {
            return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
        }));
        file.close();

        const QImage raster = RasterisePdfExactly(path, 72, dir.Path());
        ASSERT_EQ(raster.size(), QSize(200, 160));
        const auto shade = [grey](QRgb c) { return grey ? qRgb(qGray(c), qGray(c), qGray(c)) : c; };
        EXPECT_EQ(raster.pixel(origin), shade(qRgb(255, 0, 0)));
        EXPECT_EQ(raster.pixel(origin + QPoint(19, 9)), shade(qRgb(255, 0, 0)));
        EXPECT_EQ(raster.pixel(origin + QPoint(20, 10)), qRgb(255, 255, 255));
        EXPECT_EQ(raster.pixel(origin + QPoint(150, 20)), qRgb(0, 0, 0));
        EXPECT_EQ(raster.pixel(origin + QPoint(151, 20)), qRgb(255, 255, 255));
        EXPECT_EQ(raster.pixel(origin + QPoint(150, 50)), qRgb(255, 255, 255));
        int differing = 0;
        for (int y = 0; y < label.height(); ++y)
            for (int x = 0; x < label.width(); ++x)
                differing += raster.pixel(origin + QPoint(square.originX + x, square.originY + y)) != shade(label.pixel(x, y));
        EXPECT_EQ(differing, 0);
    }
}
