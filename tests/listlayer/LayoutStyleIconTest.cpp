// The layout styles' pictures at the density of the screen: sharp at every ratio, one logical size,
// the plain pixels unchanged.
#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "ListSheetFixture.h"
#include "ScreenDensity.h"
#include "listlayer/LayoutStyleIcon.h"

using namespace quillora;
using document::kListLayoutStyles;
using listlayer::kLayoutStyleIconSize;

namespace {

// The picture the way it was drawn before screens had a ratio: 32 x 32 pixels, no scaling.
QImage PlainIcon(document::ListLayoutStyle style) {
    QPixmap plain(kLayoutStyleIconSize, kLayoutStyleIconSize);
    plain.fill(Qt::transparent);
    QPainter painter(&plain);
    listlayer::PaintLayoutStyleIcon(painter, style);
    painter.end();
    return plain.toImage();
}

TEST(LayoutStyleIcon, IsDrawnInTheScreensPixelsAndKeepsItsPlainPixels) {
    EnsureApplication();
    const QSize logical(kLayoutStyleIconSize, kLayoutStyleIconSize);
    for (auto style : kListLayoutStyles) {
        const QImage plain = PlainIcon(style);
        EXPECT_EQ(listlayer::LayoutStyleIcon(style, 1).toImage(), plain);
        for (qreal ratio : {1.5, 2.0, 3.0}) {
            SCOPED_TRACE(testing::Message() << "style " << int(style) << " ratio " << ratio);
            const QPixmap icon = listlayer::LayoutStyleIcon(style, ratio);
            EXPECT_EQ(icon.devicePixelRatio(), ratio);
            EXPECT_EQ(icon.size(), logical * ratio);
            EXPECT_EQ(icon.deviceIndependentSize(), QSizeF(logical));
            // The same picture, only finer: closer to its own style's plain one than to any other.
            const double own = MeanDifference(icon, plain);
            for (auto other : kListLayoutStyles) {
                if (other == style) continue;
                EXPECT_LT(own, MeanDifference(icon, PlainIcon(other)));
            }
        }
    }
}

}  // namespace

TEST_F(ListSheetTest, HighDensityLayoutPageShowsItsPicturesInTheScreensPixels) {
    sheet->Tabs()->setCurrentIndex(1);
    sheet->show();
    for (int style = 0; style < int(kListLayoutStyles.size()); ++style) {
        auto& icon = FindChild<QLabel>(*sheet, listlayer::list_sheet_id::StyleIconId(style));
        ASSERT_EQ(icon.devicePixelRatioF(), StartedRatio());
        EXPECT_EQ(icon.pixmap().devicePixelRatio(), StartedRatio());
        EXPECT_EQ(icon.pixmap().deviceIndependentSize(), QSizeF(kLayoutStyleIconSize, kLayoutStyleIconSize));
    }
}
