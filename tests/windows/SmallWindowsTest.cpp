#include <QDialog>
#include <QLineEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "windows/AboutBox.h"
#include "widgets/Centring.h"
#include "widgets/NumberField.h"
#include "widgets/UiFont.h"
#include "windows/NewLabelSizeDialog.h"
#include "windows/NoticeWindow.h"
#include "windows/SplashWindow.h"
#include "windows/TipsDialog.h"

using namespace quillora::windows;
using namespace quillora::workspace;
using namespace quillora::widgets;

class SmallWindows : public ::testing::Test {
protected:
    SmallWindows() { EnsureApplication(); }
};

TEST_F(SmallWindows, AboutBoxShowsIconAndVersionWithOkOnItsOwnRow) {
    TestWorkspace t;
    t.interaction.QueueDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
        auto& version = FindChild<QLabel>(d, quillora::windows::about_box_id::kVersion);
        auto& icon = FindChild<QLabel>(d, quillora::windows::about_box_id::kIcon);
        auto& ok = FindChild<QPushButton>(d, quillora::widgets::kOkId);
        EXPECT_EQ(version.text(), QStringLiteral("Quillora Ver.1.00"));
        EXPECT_FALSE(icon.pixmap().isNull());
        d.show();
        // Icon left of the version text, OK below both, nothing overlapping.
        EXPECT_LE(icon.geometry().right(), version.geometry().left());
        EXPECT_GT(ok.geometry().top(), icon.geometry().bottom());
        EXPECT_GT(ok.geometry().top(), version.geometry().bottom());
        EXPECT_TRUE(d.rect().contains(ok.geometry()));
        EXPECT_GE(version.width(), version.fontMetrics().horizontalAdvance(version.text()));
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        ok.click();
        return d.result();
    });
    ShowAbout(t.ws);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST(AboutBoxVersion, TheMinorNumberHasTwoDigitsAndThePatchNumberShowsOnlyWhenSet) {
    const struct {
        int major, minor, patch;
        const char* text;
    } cases[] = {{1, 0, 0, "Quillora Ver.1.00"}, {1, 2, 0, "Quillora Ver.1.02"}, {2, 10, 0, "Quillora Ver.2.10"},
                 {1, 2, 3, "Quillora Ver.1.02.3"}};
    for (const auto& c : cases) EXPECT_EQ(VersionText(c.major, c.minor, c.patch), QString::fromLatin1(c.text));
}

TEST_F(SmallWindows, SplashIsItsPictureCentredOnTheScreen) {
    SplashWindow splash;
    EXPECT_EQ(splash.Picture().deviceIndependentSize(), QSizeF(320, 240));
    EXPECT_EQ(splash.size(), QSize(320, 240));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(splash.pos(), CentredPosition(screen, QSize(320, 240)));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(SmallWindows, NoticeWindowIsCentredWithItsText) {
    NoticeWindow notice(QString::fromUtf8("終了処理中です。しばらくお待ち下さい..."));
    notice.ShowNotice();
    EXPECT_TRUE(notice.isVisible());
    // Back only once the window system shows it, so that blocking work can follow.
    ASSERT_TRUE(notice.windowHandle());
    EXPECT_TRUE(notice.windowHandle()->isExposed());
    EXPECT_EQ(notice.Text(), QString::fromUtf8("終了処理中です。しばらくお待ち下さい..."));
    EXPECT_EQ(notice.pos(), CentredPosition(QGuiApplication::primaryScreen()->geometry(), notice.size()));
}

TEST_F(SmallWindows, DialogsAreFixedInTheInterfaceFontWithoutMaximiseBox) {
    TestWorkspace t;
    NewLabelSizeDialog newLabel(t.doc.header, nullptr);
    TipsDialog tips(t.settings, nullptr);
    AboutBox about(nullptr);
    for (QDialog* dialog : std::initializer_list<QDialog*>{&newLabel, &tips, &about}) {
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << dialog->windowTitle().toStdString();
        EXPECT_EQ(dialog->font(), UiFont());
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_GE(dialog->width(), dialog->minimumSizeHint().width());
        EXPECT_GE(dialog->height(), dialog->minimumSizeHint().height());
    }
    // The diameter boxes hold three digits, not a line edit's default width.
    EXPECT_LT(FindChild<NumberField>(newLabel, quillora::windows::new_label_id::kOuter).Edit()->width(), 50);
}
