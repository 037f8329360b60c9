#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "TempDir.h"
#include "desktop/FileAssociation.h"

using namespace quillora::desktop;

namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class FileAssociationTest : public ::testing::Test {
protected:
    FileAssociationTest() : saved_(qgetenv("XDG_DATA_HOME")), hadValue_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        EnsureApplication();
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir_.Path()));
        home_ = QString::fromStdString(dir_.Path()) + QLatin1Char('/');
    }
    ~FileAssociationTest() override {
        if (hadValue_) qputenv("XDG_DATA_HOME", saved_);
        else qunsetenv("XDG_DATA_HOME");
    }

    TempDir dir_;
    QString home_;
    QByteArray saved_;
    bool hadValue_;
};

TEST_F(FileAssociationTest, RegisteringWritesTheMimePackageDesktopEntryAndIcons) {
    EXPECT_EQ(UserDataHome() + QLatin1Char('/'), home_);
    ASSERT_TRUE(RegisterFileAssociation("/opt/quillora/bin/quillora"));

    const QString mime = Read(home_ + "mime/packages/quillora-association-qlr.xml");
    EXPECT_TRUE(mime.contains(QStringLiteral("type=\"application/x-quillora-label\"")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.qlr\"/>")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<comment>CD Label Data</comment>")));
    EXPECT_TRUE(mime.contains(QString::fromUtf8("<comment xml:lang=\"ja\">CDﾗﾍﾞﾙﾃﾞｰﾀ</comment>")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<icon name=\"quillora-association-label\"/>")));

    const QString desktop = Read(home_ + "applications/quillora-association.desktop");
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=/opt/quillora/bin/quillora %f\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nMimeType=application/x-quillora-label;\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nIcon=quillora-association\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nNoDisplay=true\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nType=Application\n")));

    for (int size : {16, 48, 256}) {
        const QImage app(home_ + QStringLiteral("icons/hicolor/%1x%1/apps/quillora-association.png").arg(size));
        const QImage doc(home_ + QStringLiteral("icons/hicolor/%1x%1/mimetypes/quillora-association-label.png").arg(size));
        EXPECT_EQ(app.size(), QSize(size, size));
        EXPECT_EQ(doc.size(), QSize(size, size));
    }
    // The MIME database was rebuilt from the package, so the type is known to the desktop.
    if (QFile::exists(QStringLiteral("/usr/bin/update-mime-database"))) {
        EXPECT_TRUE(Read(home_ + "mime/globs2").contains(QStringLiteral("application/x-quillora-label:*.qlr")));
    }

    ASSERT_TRUE(RegisterFileAssociation("/usr/bin/quillora"));  // a second time just rewrites
    EXPECT_TRUE(Read(home_ + "applications/quillora-association.desktop").contains(QStringLiteral("\nExec=/usr/bin/quillora %f\n")));
}

TEST_F(FileAssociationTest, UnregisteringRemovesExactlyThoseFiles) {
    ASSERT_TRUE(RegisterFileAssociation("/opt/quillora/bin/quillora"));
    WriteWholeFile(dir_.File("applications/other.desktop"), "[Desktop Entry]\n");
    for (const QString& file : AssociationFiles()) EXPECT_TRUE(QFile::exists(home_ + file)) << file.toStdString();
    ASSERT_TRUE(UnregisterFileAssociation());
    for (const QString& file : AssociationFiles()) EXPECT_FALSE(QFile::exists(home_ + file)) << file.toStdString();
    EXPECT_TRUE(QFile::exists(home_ + "applications/other.desktop"));
    if (QFile::exists(QStringLiteral("/usr/bin/update-mime-database"))) {
        EXPECT_FALSE(Read(home_ + "mime/globs2").contains(QStringLiteral("quillora")));
    }
    EXPECT_TRUE(UnregisterFileAssociation());  // nothing left to remove is still a success
}

// `cmake --install --prefix ~/.local` puts these under the same data home.
TEST_F(FileAssociationTest, InstalledFilesSurviveSettingAndRemovingTheAssociation) {
    const QStringList installed = {"applications/quillora.desktop", "mime/packages/quillora-qlr.xml",
                                   "icons/hicolor/48x48/apps/quillora.png",
                                   "icons/hicolor/48x48/mimetypes/application-x-quillora-label.png"};
    for (const QString& file : installed) {
        QDir().mkpath(QFileInfo(home_ + file).absolutePath());
        WriteWholeFile(dir_.File(file.toStdString()), "installed");
    }
    for (const QString& file : AssociationFiles()) EXPECT_FALSE(installed.contains(file)) << file.toStdString();
    ASSERT_TRUE(RegisterFileAssociation("/opt/quillora/bin/quillora"));
    ASSERT_TRUE(UnregisterFileAssociation());
    for (const QString& file : installed) EXPECT_EQ(Read(home_ + file), QStringLiteral("installed")) << file.toStdString();
}

TEST(DesktopExec, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/usr/bin/quillora")), QStringLiteral("/usr/bin/quillora"));
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/home/a b/quillora")), QStringLiteral("\"/home/a b/quillora\""));
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/opt/100%/q")), QStringLiteral("/opt/100%%/q"));
    // $ is escaped once for the argument, and that backslash doubled for the entry's string.
    EXPECT_EQ(DesktopExecArgument(QStringLiteral("/x/$y")), QStringLiteral("\"/x/\\\\$y\""));
}
