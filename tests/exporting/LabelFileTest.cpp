#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>

#include "EnsureApplication.h"
#include "TempDir.h"
#include "TestDocuments.h"
#include "canvas/LabelImage.h"
#include "exporting/LabelFile.h"

namespace quillora::exporting {
namespace {

document::LabelDocument BorderedLabel() {
    auto doc = render::NewLabel(120, 30);
    doc.state.backColor = 0x0000FF;  // red
    doc.state.borderLine = 1;
    doc.state.lineColor = 0xFF0000;  // blue
    render::AddTextLayer(doc, "Quillora", 20, 50);
    return doc;
}

// PNG: the side qlrtool render gives, the disc's pixels exactly its pixels, the outside and the
// hole transparent and the hole's border kept.
TEST(LabelFile, PngIsTheRenderWithTransparentSurroundings) {
    EnsureApplication();
    const auto doc = BorderedLabel();
    for (const int dpi : {150, 300}) {
        const QImage png = QImage::fromData(EncodeLabel(doc, ExportFormat::Png, dpi), "PNG");
        const QImage render = canvas::RenderLabelImage(doc, dpi / 25.4f, render::RenderTarget::Printer);
        const int side = static_cast<int>(120 * dpi / 25.4);
        ASSERT_EQ(png.size(), QSize(side, side)) << dpi;
        ASSERT_TRUE(png.hasAlphaChannel());
        const int middle = side / 2;
        EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(png.pixel(middle, middle)), 0);           // the hole
        EXPECT_EQ(png.pixel(0, middle), qRgb(0, 0, 255));            // the disc's border
        EXPECT_EQ(png.pixel(middle, middle / 4), qRgb(255, 0, 0));   // the ring
        int holeEdge = middle;
        while (qAlpha(png.pixel(holeEdge, middle)) == 0) --holeEdge;
        EXPECT_EQ(png.pixel(holeEdge, middle), qRgb(0, 0, 255));     // the hole's border
        int differing = 0, transparent = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb p = png.pixel(x, y);
                if (qAlpha(p) == 0) ++transparent;
                else if (p != render.pixel(x, y)) ++differing;
            }
        EXPECT_EQ(differing, 0) << dpi;
        // About the corners' and the hole's share of the square: 1 - pi/4 + pi/4 x (30/120)^2.
        EXPECT_NEAR(transparent / double(side * side), 1 - 0.7854 + 0.7854 / 16, 0.01) << dpi;
    }
}

// PDF: one page the size of the label's square (in the whole points a PDF page of Qt's has, so
// within half a point), the picture at the resolution's pixel size, stored without JPEG.
TEST(LabelFile, PdfPageIsTheLabelsSquareWithALosslessPicture) {
    EnsureApplication();
    const QByteArray pdf = EncodeLabel(BorderedLabel(), ExportFormat::Pdf, 300);
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const QRegularExpression mediaBox(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"));
    const auto box = mediaBox.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_NEAR(box.captured(1).toDouble(), 120 / 25.4 * 72, 0.5);
    EXPECT_NEAR(box.captured(2).toDouble(), 120 / 25.4 * 72, 0.5);
    EXPECT_TRUE(pdf.contains("/Width 1417"));
    EXPECT_FALSE(pdf.contains("/DCTDecode"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
}

// A file is there complete or not at all: a folder that cannot be written, or a resolution the
// label cannot be rendered at, leaves the earlier file as it was.
TEST(LabelFile, FailuresLeaveNoPartialFile) {
    EnsureApplication();
    TempDir dir;
    const auto doc = BorderedLabel();
    const std::string target = dir.File("label.png");
    ASSERT_TRUE(WriteLabelFile(doc, ExportFormat::Png, 150, target));
    EXPECT_EQ(QImage(QString::fromStdString(target)).width(), 708);

    WriteWholeFile(target, "earlier");
    EXPECT_FALSE(WriteLabelFile(doc, ExportFormat::Png, 100000, target));
    EXPECT_EQ(ReadWholeFile(target), "earlier");
    EXPECT_FALSE(WriteLabelFile(doc, ExportFormat::Pdf, 150, dir.File("missing/label.pdf")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

}  // namespace
}  // namespace quillora::exporting
