#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QApplication>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "windows/HelpWindow.h"

using namespace quillora::windows;

class HelpWindowTest : public ::testing::Test {
protected:
    QApplication& app_ = EnsureApplication();  // before any widget member
    HelpWindow window;
};

TEST_F(HelpWindowTest, OpensAtTheContentsOrAtHelpOnHelp) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Quillora ﾍﾙﾌﾟ"));
    window.ShowContents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.CurrentPage().fileName(), QStringLiteral("index.html"));
    EXPECT_TRUE(window.Browser()->toPlainText().contains(QString::fromUtf8("目次")));
    window.ShowHelpOnHelp();
    EXPECT_EQ(window.CurrentPage().fileName(), QStringLiteral("usinghelp.html"));
    window.Browser()->backward();
    EXPECT_EQ(window.CurrentPage().fileName(), QStringLiteral("index.html"));
}

TEST_F(HelpWindowTest, EveryPageIsReachableAndEveryLinkLeadsToAPage) {
    const QStringList pages = QDir(QStringLiteral(":/quillora/help")).entryList({QStringLiteral("*.html")});
    ASSERT_EQ(pages.size(), 8);
    QSet<QString> linked;
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    for (const QString& page : pages) {
        QFile file(QStringLiteral(":/quillora/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toStdString();
        for (const auto& m : href.globalMatch(html)) {
            const QString target = m.captured(1);
            EXPECT_TRUE(pages.contains(target)) << page.toStdString() << " links to " << target.toStdString();
            if (page == QStringLiteral("index.html")) linked.insert(target);
        }
    }
    for (const QString& page : pages) {
        if (page != QStringLiteral("index.html")) {
            EXPECT_TRUE(linked.contains(page)) << page.toStdString();
        }
    }
}
