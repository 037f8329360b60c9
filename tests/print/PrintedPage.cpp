#include "PrintedPage.h"

#include <QProcess>
#include <QString>
#include <cmath>
#include <gtest/gtest.h>

#include "TestDocuments.h"

namespace quillora::print {
namespace {

bool IsDark(QRgb p) { return qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128; }
bool IsWhite(QRgb p) { return qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240; }

// Whether a dark pixel lies within `radius` of (x, y): rasterising moves thin lines by a pixel.
bool DarkNear(const QImage& page, int x, int y, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (page.rect().contains(p) && IsDark(page.pixel(p))) return true;
        }
    return false;
}

}  // namespace

bool IsPrintedRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; }

// The smallest rectangle around every red dot.
QRect PrintedRedBounds(const QImage& page) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (IsPrintedRed(page.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The centre of the red dots within `area`, in pixels.
QPointF RedCentroid(const QImage& page, const QRect& area) {
    double x = 0, y = 0;
    long count = 0;
    const QRect inside = area.intersected(page.rect());
    for (int r = inside.top(); r <= inside.bottom(); ++r)
        for (int c = inside.left(); c <= inside.right(); ++c)
            if (IsPrintedRed(page.pixel(c, r))) x += c + 0.5, y += r + 0.5, ++count;
    return count ? QPointF(x / count, y / count) : QPointF(-1000, -1000);
}

document::LabelDocument RedLabel() {
    document::LabelDocument doc = render::NewLabel(120, 30);
    doc.state.backColor = 0x0000FF;
    doc.state.borderLine = 0;
    doc.header.marginLeft = 15;
    doc.header.marginTop = 15;
    doc.header.cropMarks = 1;
    return doc;
}

QImage RasterisePdf(const std::string& pdfPath, int dpi, const std::string& workDir, const QRect& area) {
    const QString prefix = QString::fromStdString(workDir + "/raster");
    QStringList arguments{QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-aa"), QStringLiteral("no"),
                          QStringLiteral("-aaVector"), QStringLiteral("no"),
                          // lines thinner than a pixel (one printer dot) still show
                          QStringLiteral("-thinlinemode"), QStringLiteral("solid"), QStringLiteral("-f"),
                          QStringLiteral("1"), QStringLiteral("-singlefile"), QStringLiteral("-png")};
    if (area.isValid()) {
        arguments << QStringLiteral("-x") << QString::number(area.x()) << QStringLiteral("-y") << QString::number(area.y())
                  << QStringLiteral("-W") << QString::number(area.width()) << QStringLiteral("-H")
                  << QString::number(area.height());
    }
    arguments << QString::fromStdString(pdfPath) << prefix;
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), arguments);
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QImage RasterisePdfExactly(const std::string& pdfPath, int dpi, const std::string& workDir) {
    const QString prefix = QString::fromStdString(workDir + "/exact");
    QProcess pdftocairo;
    pdftocairo.start(QStringLiteral("pdftocairo"),
                     {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-antialias"), QStringLiteral("none"),
                      QStringLiteral("-singlefile"), QStringLiteral("-png"), QString::fromStdString(pdfPath), prefix});
    if (!pdftocairo.waitForFinished(30000) || pdftocairo.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

int PdfPageCount(const std::string& pdfPath) {
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdfPath)});
    if (!pdfinfo.waitForFinished(30000) || pdfinfo.exitCode() != 0) return -1;
    for (const QByteArray& line : pdfinfo.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

void ExpectPrintedLabel(const QImage& page, const PagePlacement& place, bool cropMarks) {
    ASSERT_FALSE(page.isNull());
    const PrintGeometry& g = place.geometry;
    const double k = place.rasterDpi / place.printerDpi;
    // Page pixel of a point given in printer dots from the printable area's corner.
    const auto px = [&](double dots) { return static_cast<int>(std::lround((place.areaLeftDots + dots) * k)); };
    const auto py = [&](double dots) { return static_cast<int>(std::lround((place.areaTopDots + dots) * k)); };
    const double cx = g.originX + g.widthDev / 2.0;
    const double cy = g.originY + g.heightDev / 2.0;
    const double ring = g.widthDev * 0.375;  // between the hole (radius 1/8) and the rim (1/2)

    EXPECT_TRUE(IsPrintedRed(page.pixel(px(cx), py(cy - ring)))) << "top of the ring";
    EXPECT_TRUE(IsPrintedRed(page.pixel(px(cx - ring), py(cy)))) << "left of the ring";
    EXPECT_TRUE(IsPrintedRed(page.pixel(px(cx + ring), py(cy)))) << "right of the ring";
    EXPECT_TRUE(IsPrintedRed(page.pixel(px(cx), py(cy + ring)))) << "bottom of the ring";
    EXPECT_TRUE(IsWhite(page.pixel(px(cx), py(cy)))) << "the hole";
    // The disc reaches the square's edges at their middles, and the corners are paper.
    const int inside = static_cast<int>(std::ceil(3 / k));
    EXPECT_TRUE(IsPrintedRed(page.pixel(px(g.originX + inside), py(cy)))) << "left edge of the disc";
    EXPECT_TRUE(IsPrintedRed(page.pixel(px(cx), py(g.originY + inside)))) << "top edge of the disc";
    EXPECT_TRUE(IsWhite(page.pixel(px(g.originX - inside), py(cy)))) << "left of the square";
    EXPECT_TRUE(IsWhite(page.pixel(px(cx), py(g.originY - inside)))) << "above the square";
    EXPECT_TRUE(IsWhite(page.pixel(px(g.originX + inside), py(g.originY + inside)))) << "the square's corner";

    // One point of every mark: the middle of its outer arm.
    const double x0 = g.originX, x1 = g.originX + g.widthDev, y0 = g.originY, y1 = g.originY + g.heightDev;
    const double half = g.markGap + g.markLength / 2.0;
    const struct {
        double x, y;
        const char* name;
    } marks[] = {
        {x0 - half, y0, "top-left, edge"},       {x0 - g.markGap, y0 - g.markLength / 2.0, "top-left, up"},
        {x1 + half, y0, "top-right, edge"},      {x1 + g.markGap, y0 - g.markLength / 2.0, "top-right, up"},
        {x0 - half, y1, "bottom-left, edge"},    {x0 - g.markGap, y1 + g.markLength / 2.0, "bottom-left, down"},
        {x1 + half, y1, "bottom-right, edge"},   {x1 + g.markGap, y1 + g.markLength / 2.0, "bottom-right, down"},
        {cx, y0 - half, "top centre"},           {cx, y1 + half, "bottom centre"},
        {x0 - half, cy, "left centre"},          {x1 + half, cy, "right centre"},
    };
    for (const auto& m : marks) {
        EXPECT_EQ(DarkNear(page, px(m.x), py(m.y), 1), cropMarks) << m.name;
    }
    // Nothing dark between a corner mark and the square: the gap stays paper.
    EXPECT_FALSE(DarkNear(page, px(x0 - g.markGap / 2.0), py(y0 + g.markLength), 1)) << "inside the gap";
}

void ExpectRingPrintedPureRed(const std::string& pdfPath, const PagePlacement& place, const std::string& workDir) {
    const PrintGeometry& g = place.geometry;
    const QPoint top(static_cast<int>(place.areaLeftDots + g.originX + g.widthDev / 2),
                     static_cast<int>(place.areaTopDots + g.originY + g.widthDev / 8));
    const QImage dots = RasterisePdf(pdfPath, static_cast<int>(place.printerDpi), workDir, QRect(top, QSize(4, 4)));
    ASSERT_FALSE(dots.isNull());
    EXPECT_EQ(dots.pixel(1, 1), qRgb(255, 0, 0)) << "the ring's red at the printer's resolution";
}

}  // namespace quillora::print
