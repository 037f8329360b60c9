#include <QLabel>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "WorkspaceWindowTest.h"
#include "windows/PositionWindow.h"

using namespace quillora::windows;
using namespace quillora::workspace;

TEST(PositionLabels, RowIsCentredAndCutOffWhenNarrow) {
    const auto wide = PositionLabelRects(QSize(200, 20));
    EXPECT_EQ(wide[0], QRect(14, 2, 18, 16));
    EXPECT_EQ(wide[1], QRect(32, 2, 60, 16));
    EXPECT_EQ(wide[2], QRect(107, 2, 18, 16));
    EXPECT_EQ(wide[3], QRect(125, 2, 60, 16));
    const auto narrow = PositionLabelRects(QSize(160, 15));
    EXPECT_EQ(narrow[0].topLeft(), QPoint(-5, 0));  // -11 / 2 and -1 / 2 toward zero
    EXPECT_EQ(narrow[3].left(), 106);
}

using PositionWindowTest = WorkspaceWindowTest<PositionWindow>;

TEST_F(PositionWindowTest, StartsWithoutAPositionAndShowsWhatItIsGiven) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("ﾎﾟｼﾞｼｮﾝ"));
    EXPECT_EQ(window.size(), QSize(200, 20));
    const auto rects = PositionLabelRects(window.size());
    const QString texts[] = {QString::fromUtf8("X："), QStringLiteral("---- mm "), QString::fromUtf8("Y："),
                             QStringLiteral("---- mm ")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(window.Labels()[i]->geometry(), rects[i]) << i;
        EXPECT_EQ(window.Labels()[i]->text(), texts[i]) << i;
    }
    EXPECT_TRUE(window.XValue()->alignment() & Qt::AlignRight);
    EXPECT_TRUE(window.Labels()[0]->alignment() & Qt::AlignLeft);

    window.SetPosition(57, -4);
    EXPECT_EQ(window.XValue()->text(), QStringLiteral("57mm "));
    EXPECT_EQ(window.YValue()->text(), QStringLiteral("-4mm "));
    window.ClearPosition();
    EXPECT_EQ(window.XValue()->text(), QStringLiteral("---- mm "));
    EXPECT_EQ(window.YValue()->text(), QStringLiteral("---- mm "));
}

TEST_F(PositionWindowTest, CloseBoxHidesAndClearsTheViewFlag) {
    window.show();
    QSignalSpy closed(&window, &PositionWindow::closedByUser);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(t.settings.positionWindow.view, 0);
    EXPECT_EQ(t.settings.toolWindow.view, 1);
    EXPECT_EQ(closed.count(), 1);
}
