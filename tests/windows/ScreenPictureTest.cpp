// Pictures at the density of the screen: the artwork drawn for it, one logical size, and the
// plain pixels unchanged on an ordinary screen.
#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "ScreenDensity.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "resources/Resources.h"
#include "windows/ScreenPicture.h"
#include "windows/SplashWindow.h"
#include "windows/TipsDialog.h"

using namespace quillora::windows;

namespace {

TEST(ScreenPicture, TakesTheArtworkForTheRatioAndKeepsTheLogicalSize) {
    EnsureApplication();
    quillora::resources::EnsureResources();
    const struct {
        const char* name;
        QSize logical;
    } pictures[] = {{"splash", {320, 240}}, {"tips", {50, 200}}};
    // Ratios between 1 and 2 and above 2 take the double artwork and let Qt scale the rest.
    const struct {
        qreal ratio, artwork;
    } screens[] = {{1, 1}, {1.25, 2}, {2, 2}, {3, 2}};
    for (const auto& p : pictures) {
        const QImage plain(QStringLiteral(":/quillora/pictures/%1.png").arg(QLatin1String(p.name)));
        ASSERT_EQ(plain.size(), p.logical) << p.name;
        for (const auto& s : screens) {
            SCOPED_TRACE(testing::Message() << p.name << " at " << s.ratio);
            const QPixmap picture = ScreenPicture(QString::fromLatin1(p.name), s.ratio);
            EXPECT_EQ(picture.devicePixelRatio(), s.artwork);
            EXPECT_EQ(picture.size(), p.logical * s.artwork);
            EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(p.logical));
            if (s.artwork == 1) {
                EXPECT_EQ(picture.toImage().convertToFormat(plain.format()), plain);
            } else {
                // The same picture drawn finer: brought down to the plain pixels it differs only
                // by a few levels along edges and letters.
                EXPECT_LT(MeanDifference(picture, plain), 4);
            }
        }
    }
}

}  // namespace

TEST(Windows, HighDensityPicturesAreInTheScreensPixelsAtTheirLogicalSize) {
    EnsureApplication();
    const qreal ratio = StartedRatio();
    TestWorkspace t;
    SplashWindow splash;
    ASSERT_EQ(splash.devicePixelRatioF(), ratio);
    EXPECT_EQ(splash.Picture().devicePixelRatio(), ratio);
    EXPECT_EQ(splash.size(), QSize(320, 240));
    TipsDialog tips(t.settings, nullptr);
    const QPixmap strip = FindChild<QLabel>(tips, tips_dialog_id::kPicture).pixmap();
    EXPECT_EQ(strip.devicePixelRatio(), ratio);
    EXPECT_EQ(strip.deviceIndependentSize(), QSizeF(50, 200));
}
