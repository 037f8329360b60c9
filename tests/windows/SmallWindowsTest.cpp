#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "windows/AboutBox.h"
#include "widgets/Centring.h"
#include "windows/NoticeWindow.h"
#include "windows/SplashWindow.h"

using namespace quillora::windows;
using namespace quillora::workspace;
using namespace quillora::widgets;

class SmallWindows : public ::testing::Test {
protected:
    SmallWindows() { EnsureApplication(); }
};

TEST_F(SmallWindows, AboutBoxShowsIconAndVersion) {
    TestWorkspace t;
    t.interaction.QueueDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
        EXPECT_EQ(FindChild<QLabel>(d, "version").text(), QStringLiteral("Quillora Ver.1.00"));
        EXPECT_FALSE(FindChild<QLabel>(d, "icon").pixmap().isNull());
        FindChild<QPushButton>(d, "id1").click();
        return d.result();
    });
    ShowAbout(t.ws);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST_F(SmallWindows, SplashIsItsPictureCentredOnTheScreen) {
    SplashWindow splash;
    EXPECT_EQ(splash.Picture().size(), QSize(320, 240));
    EXPECT_EQ(splash.size(), QSize(320, 240));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(splash.pos(), CentredPosition(screen, QSize(320, 240)));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(SmallWindows, NoticeWindowIsCentredWithItsText) {
    NoticeWindow notice(QString::fromUtf8("終了処理中です。しばらくお待ち下さい..."));
    notice.ShowNotice();
    EXPECT_TRUE(notice.isVisible());
    EXPECT_EQ(notice.Text(), QString::fromUtf8("終了処理中です。しばらくお待ち下さい..."));
    EXPECT_EQ(notice.pos(), CentredPosition(QGuiApplication::primaryScreen()->geometry(), notice.size()));
}
