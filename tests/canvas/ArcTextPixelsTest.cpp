// Text along a circle as printed: at 600 dpi every inked pixel of an arc lies in the ring its
// cells span around the disc's centre, and the ink is centred on the arc's centre angle.
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "canvas/LabelImage.h"
#include "document/TextArc.h"
#include "render/DeviceUnits.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

namespace quillora::canvas {
namespace {

constexpr float k600Dpi = 600.0f / 25.4f;

TEST(ArcTextPixels, InkLiesOnTheRingAroundTheDiscCentredOnTheAngle) {
    document::LabelDocument doc;
    doc.header.outerDiameter = 120;
    doc.header.innerDiameter = 30;
    doc.Create({0xFFFFFF, 0, 0});
    for (const auto& [side, angle] : {std::pair{document::ArcSide::Outside, 30}, {document::ArcSide::Inside, 180}}) {
        const int slot = doc.FindFreeSlot();
        doc.InsertAtSelection(slot);
        document::LayerRecord& layer = doc.layers[slot];
        layer = {};
        layer.kind = document::LayerKind::Text;
        layer.visible = 1;
        text::StoreField(layer.text, *text::Utf8ToCp932("■■■■■■"));
        text::StoreField(layer.fontFace, *text::Utf8ToCp932("ＭＳ ゴシック"));
        layer.fontSize = 12;
        document::WriteArc(layer, {1, 500, angle, static_cast<std::int32_t>(side), 10});
    }

    const int side = render::TruncateToDevice(120 * k600Dpi);
    QImage image(side, side, QImage::Format_RGB32);
    PaintLabelImage(image, doc, render::RenderTarget::Printer);

    const double centre = side / 2.0;
    const double radius = 50 * k600Dpi;
    const double halfCell = render::CellHeight(12, k600Dpi) / 2.0;
    // Sums of the ink's direction, above and below the centre.
    double top[2] = {0, 0}, bottom[2] = {0, 0};
    int inked = 0;
    for (int y = 0; y < side; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            if (qRed(row[x]) > 128) continue;
            ++inked;
            const double dx = x + 0.5 - centre;
            const double dy = y + 0.5 - centre;
            const double r = std::hypot(dx, dy);
            ASSERT_GE(r, radius - halfCell - 1) << x << "," << y;
            ASSERT_LE(r, radius + halfCell + 1) << x << "," << y;
            double* sums = dy < 0 ? top : bottom;
            sums[0] += dx / r;
            sums[1] += -dy / r;
        }
    }
    EXPECT_GT(inked, 6 * 2 * 1000);  // twelve filled squares of about 70 dots a side
    const auto degrees = [](const double* sums) {
        return std::atan2(sums[0], sums[1]) * 180.0 / std::numbers::pi;
    };
    EXPECT_NEAR(degrees(top), 30, 0.5);
    EXPECT_NEAR(std::abs(degrees(bottom)), 180, 0.5);
}

}  // namespace
}  // namespace quillora::canvas
