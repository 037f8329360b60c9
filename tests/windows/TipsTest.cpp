#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "text/Cp932.h"
#include "windows/Tips.h"
#include "windows/TipsDialog.h"
#include "desktop/WebSite.h"

using namespace quillora::windows;
using namespace quillora::workspace;

TEST(TipTexts, HaveTheirHeadingsAndFitTheirBuffers) {
    const char* headings[kTipCount] = {"■特徴", "■レイヤー", "■リストレイヤー", "■画像", "■右クリック",
                                       "■印刷", "■市販の用紙", "■ヘルプ", "■関連付け", "■最新版"};
    for (int i = 0; i < kTipCount; ++i) {
        const QString text = TipText(i);
        EXPECT_TRUE(text.startsWith(QLatin1Char('\n') + QString::fromUtf8(headings[i]) + QLatin1String("\n\n")))
            << i;
        QString crlf = text;
        crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        const auto bytes = quillora::text::Utf8ToCp932(crlf.toStdString());
        ASSERT_TRUE(bytes.has_value()) << "tip " << i << " has a character code page 932 lacks";
        EXPECT_LE(bytes->size(), 511u) << i;
    }
    EXPECT_TRUE(TipText(0).contains(QStringLiteral("Tessaline")));
    EXPECT_TRUE(TipText(9).contains(QLatin1Char('\n') + QString::fromLatin1(quillora::desktop::kWebSiteUrl) + QLatin1Char('\n')));
    EXPECT_EQ(TipText(10), TipText(0));
    EXPECT_EQ(TipText(-1), TipText(0));
}

TEST(TipTexts, NumbersMoveOnAndWrap) {
    EXPECT_EQ(NextTipNumber(0), 1);
    EXPECT_EQ(NextTipNumber(8), 9);
    EXPECT_EQ(NextTipNumber(9), 0);
    // A hand-edited number shows tip 0, so the next is tip 1.
    EXPECT_EQ(NextTipNumber(42), 1);
    EXPECT_EQ(NextTipNumber(-3), 1);
}

class TipsDialogTest : public ::testing::Test {
protected:
    TipsDialogTest() { EnsureApplication(); }
    TestWorkspace t;

    // Shows the tips, presses 次を表示 once and closes; the tips shown before and after.
    QStringList ShowNextAndClose() {
        QStringList shown;
        t.interaction.QueueDialog([&](QDialog& d) {
            auto& dialog = static_cast<TipsDialog&>(d);
            EXPECT_EQ(d.windowTitle(), QString::fromUtf8("ﾜﾝﾎﾟｲﾝﾄ"));
            shown << dialog.ShownText();
            FindChild<QPushButton>(d, quillora::windows::tips_dialog_id::kNext).click();
            shown << dialog.ShownText();
            FindChild<QPushButton>(d, quillora::windows::tips_dialog_id::kClose).click();
            return d.result();
        });
        ShowTips(t.ws);
        return shown;
    }
};

TEST_F(TipsDialogTest, NextWrapsToTheFirstTipAndClosingMovesOnAgain) {
    t.settings.nextTipNumber = 9;
    EXPECT_EQ(ShowNextAndClose(), (QStringList{TipText(9), TipText(0)}));
    EXPECT_EQ(t.settings.nextTipNumber, 1);
    EXPECT_EQ(t.settings.showTipsAtStart, 1);
}

TEST_F(TipsDialogTest, AnOutOfRangeNumberShowsTheFirstTipThenTheSecond) {
    t.settings.nextTipNumber = 57;
    EXPECT_EQ(ShowNextAndClose(), (QStringList{TipText(0), TipText(1)}));
    EXPECT_EQ(t.settings.nextTipNumber, 2);
}

TEST_F(TipsDialogTest, EscapeAlsoMovesOnAndClearingTheBoxTurnsStartUpTipsOff) {
    t.settings.nextTipNumber = 3;
    t.interaction.QueueDialog([](QDialog& d) {
        auto& box = FindChild<QCheckBox>(d, quillora::windows::tips_dialog_id::kShowAtStart);
        EXPECT_TRUE(box.isChecked());
        EXPECT_EQ(box.text(), QString::fromUtf8("起動時にﾜﾝﾎﾟｲﾝﾄを表示(&S)"));
        box.click();
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    ShowTips(t.ws);
    EXPECT_EQ(t.settings.nextTipNumber, 4);
    EXPECT_EQ(t.settings.showTipsAtStart, 0);
}
