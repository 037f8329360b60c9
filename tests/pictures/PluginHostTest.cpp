// The calling order of the picture operations over the plug-ins of a program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include <QImage>
#include <QString>

#include "PictureLibrary.h"
#include "Fifo.h"
#include "PluginTestFolder.h"
#include "ProjectInfo.h"
#include "text/Cp932.h"

using quillora::pictures::PictureLibrary;
using Log = std::vector<std::string>;

// Each test has a program folder of its own.
class PluginVisit : public ::testing::Test {
protected:
    // Loads `file` through the folder's plug-ins and returns the red value of the picture's
    // pixels, which names the plug-in variant that filled it; none when nothing was loaded.
    std::optional<int> LoadedMark(const std::string& file) const {
        auto picture = PictureLibrary(folder.Dir()).LoadPicture(file);
        if (!picture) return std::nullopt;
        return picture->bits.at(2);
    }

    PluginTestFolder folder;
};

TEST_F(PluginVisit, PluginsAreVisitedInByteOrderOfTheirNamesAndTheFirstAcceptingOneReads) {
    folder.Install("tp_accept", "b.pip");
    folder.Install("tp_accept2", "B.pip");  // "B" sorts before "b" in bytes
    folder.Install("tp_refuse", "A.pip");
    auto file = folder.Script("p.any", 3, 2);

    EXPECT_EQ(LoadedMark(file), 0x22);
    EXPECT_EQ(folder.TakeLog(), (Log{"A.pip imIsSupport", "B.pip imIsSupport", "B.pip imGetPictureSize",
                                     "B.pip imReadPicture"}));

    EXPECT_TRUE(PictureLibrary(folder.Dir()).IsPictureSupported(file));
    EXPECT_EQ(folder.TakeLog(), (Log{"A.pip imIsSupport", "B.pip imIsSupport"}));
}

TEST_F(PluginVisit, TheInstalledPluginFolderIsVisitedAfterTheProgramFolder) {
    const std::string installed = std::string("bin/") + quillora::project::kPluginFolderFromProgram;
    std::filesystem::create_directories(folder.Dir() + "/" + installed);
    folder.Install("tp_refuse", "bin/z.pip");
    folder.Install("tp_accept", installed + "/a.pip");
    auto file = folder.Script("p.any", 3, 2);

    auto picture = PictureLibrary(folder.Dir() + "/bin").LoadPicture(file);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->bits.at(2), 0x11);
    EXPECT_EQ(folder.TakeLog(), (Log{"z.pip imIsSupport", "a.pip imIsSupport", "a.pip imGetPictureSize",
                                     "a.pip imReadPicture"}));
}

TEST_F(PluginVisit, OnlyPipFilesWithLoadableLibrariesAndAllExportsAreUsed) {
    WriteWholeFile(folder.Dir() + "/a.pip", "not a library");
    folder.Install("tp_noexport", "b.pip");
    folder.Install("tp_accept2", "c.pip.off");
    folder.Install("tp_accept2", std::string(95, 'n') + ".pip");  // 99 bytes: fits the name buffer
    folder.Install("tp_accept2", std::string(96, 'm') + ".pip");  // 100 bytes: passed over
    folder.Install("tp_accept", "z.pip");
    std::filesystem::create_directory(folder.Dir() + "/d.pip");
    auto file = folder.Script("p.any", 3, 2);

    EXPECT_EQ(PictureLibrary(folder.Dir()).BuildPictureFilter().supportedPattern, "*.bmp;*.two;*.acc;");
    folder.TakeLog();
    EXPECT_EQ(LoadedMark(file), 0x22);
    auto log = folder.TakeLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), std::string(95, 'n') + ".pip imIsSupport");
}

TEST_F(PluginVisit, APluginThatAcceptsButCannotSizeIsPassedOver) {
    folder.Install("tp_nosize", "a.pip");
    folder.Install("tp_accept", "b.pip");
    auto file = folder.Script("p.any", 3, 2);

    EXPECT_EQ(LoadedMark(file), 0x11);
    EXPECT_EQ(folder.TakeLog(), (Log{"a.pip imIsSupport", "a.pip imGetPictureSize", "b.pip imIsSupport",
                                     "b.pip imGetPictureSize", "b.pip imReadPicture"}));
}

TEST_F(PluginVisit, SizeIsAskedOfEveryPluginWithoutAskingWhetherItReadsTheFile) {
    folder.Install("tp_nosize", "a.pip");
    folder.Install("tp_refuse", "b.pip");
    folder.Install("tp_accept", "c.pip");
    auto file = folder.Script("p.any", 5, 7);

    auto size = PictureLibrary(folder.Dir()).GetPictureSize(file);
    EXPECT_EQ(size.width, 5);
    EXPECT_EQ(size.height, 7);
    EXPECT_EQ(folder.TakeLog(), (Log{"a.pip imGetPictureSize", "b.pip imGetPictureSize"}));
}

TEST_F(PluginVisit, NothingReadsAFileNoPluginAccepts) {
    folder.Install("tp_refuse", "a.pip");
    auto file = folder.Script("p.any", 3, 2);
    EXPECT_FALSE(PictureLibrary(folder.Dir()).IsPictureSupported(file));
    EXPECT_EQ(PictureLibrary(folder.Dir()).LoadPicture(file), nullptr);
    EXPECT_EQ(folder.TakeLog(), (Log{"a.pip imIsSupport", "a.pip imIsSupport"}));
}

TEST_F(PluginVisit, WhenNoPluginReadsTheFileThePictureOfTheLastOneThatTriedIsKept) {
    folder.Install("tp_noread", "a.pip");
    folder.Install("tp_noread2", "b.pip");
    folder.Install("tp_nosize", "c.pip");
    auto file = folder.Script("p.any", 3, 2);

    EXPECT_EQ(LoadedMark(file), 0x66);
    EXPECT_EQ(folder.TakeLog(),
              (Log{"a.pip imIsSupport", "a.pip imGetPictureSize", "a.pip imReadPicture", "b.pip imIsSupport",
                   "b.pip imGetPictureSize", "b.pip imReadPicture", "c.pip imIsSupport", "c.pip imGetPictureSize"}));
}

TEST_F(PluginVisit, ABmpFileNeverReachesAPlugin) {
    folder.Install("tp_accept", "a.pip");
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(0x123456);
    auto file = folder.File("picture.acc");  // the contents decide, not the name
    ASSERT_TRUE(image.save(QString::fromStdString(file), "BMP"));

    EXPECT_TRUE(PictureLibrary(folder.Dir()).IsPictureSupported(file));
    auto size = PictureLibrary(folder.Dir()).GetPictureSize(file);
    EXPECT_EQ(size.width, 5);
    EXPECT_EQ(size.height, 3);
    auto picture = PictureLibrary(folder.Dir()).LoadPicture(file);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->bits.at(0), 0x56);
    EXPECT_EQ(picture->bits.at(2), 0x12);
    EXPECT_TRUE(folder.TakeLog().empty());
}

TEST_F(PluginVisit, SizesThatCannotBeAllocatedSafelyCountAsUnreadable) {
    folder.Install("tp_accept", "a.pip");
    for (auto [w, h] : {std::pair{0L, 5L}, {5L, 0L}, {-1L, 5L}, {5L, -3L}, {16385L, 1L}, {1L, 16385L},
                        {16384L, 16385L}, {10001L, 10000L}, {65536L, 65536L}, {2147483647L, 2147483647L}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        auto file = folder.Script("p.any", w, h);
        EXPECT_EQ(PictureLibrary(folder.Dir()).LoadPicture(file), nullptr);
        auto size = PictureLibrary(folder.Dir()).GetPictureSize(file);
        EXPECT_EQ(size.width, 0);
        EXPECT_EQ(size.height, 0);
        for (const auto& call : folder.TakeLog()) EXPECT_NE(call, "a.pip imReadPicture");
    }
    auto longest = folder.Script("p.any", 16384, 2);
    EXPECT_EQ(PictureLibrary(folder.Dir()).GetPictureSize(longest).width, 16384);
    auto largest = folder.Script("p.any", 10000, 10000);  // 100 megapixels
    EXPECT_EQ(PictureLibrary(folder.Dir()).GetPictureSize(largest).width, 10000);
}

TEST_F(PluginVisit, PathsLongerThan255BytesAreRefusedBeforeAnyPluginSeesThem) {
    folder.Install("tp_accept", "a.pip");
    const std::string tooLong = "/" + std::string(255, 'p');
    EXPECT_FALSE(PictureLibrary(folder.Dir()).IsPictureSupported(tooLong));
    EXPECT_EQ(PictureLibrary(folder.Dir()).GetPictureSize(tooLong).width, 0);
    EXPECT_EQ(PictureLibrary(folder.Dir()).LoadPicture(tooLong), nullptr);
    EXPECT_TRUE(folder.TakeLog().empty());

    const std::string longest = folder.File(std::string(255 - folder.File("").size(), 'p'));
    ASSERT_EQ(longest.size(), 255u);
    WriteWholeFile(longest, "not a picture");
    EXPECT_FALSE(PictureLibrary(folder.Dir()).IsPictureSupported(longest));
    EXPECT_EQ(folder.TakeLog(), (Log{"a.pip imIsSupport"}));
}

TEST_F(PluginVisit, MissingFilesAndFilesThatAreNotRegularAreRefusedBeforeAnyPluginSeesThem) {
    folder.Install("tp_accept", "a.pip");
    const std::string fifo = folder.File("fifo.any");
    ASSERT_TRUE(MakeFifo(fifo));
    for (const std::string& path : {folder.File("missing.any"), fifo, folder.Dir(), std::string("/dev/null")}) {
        SCOPED_TRACE(path);
        const PictureLibrary library(folder.Dir());
        EXPECT_FALSE(ReturnsWithoutBlocking(fifo, [&] { return library.IsPictureSupported(path); }));
        EXPECT_EQ(ReturnsWithoutBlocking(fifo, [&] { return library.GetPictureSize(path).width; }), 0);
        EXPECT_EQ(ReturnsWithoutBlocking(fifo, [&] { return library.LoadPicture(path); }), nullptr);
        EXPECT_TRUE(folder.TakeLog().empty());
    }
}

TEST_F(PluginVisit, AUtf8StoredPathThatAlsoDecodesAsCodePage932ReachesThePluginsAsTheFileThatExists) {
    folder.Install("tp_accept", "a.pip");
    auto file = folder.Script("café.any", 2, 2);
    auto stored = quillora::text::Utf8PathToStored(file);
    ASSERT_TRUE(quillora::text::Cp932ToUtf8Strict(stored).has_value());  // "cafﾃｩ.any"
    EXPECT_EQ(LoadedMark(stored), 0x11);
}

TEST_F(PluginVisit, StoredCodePage932PathsReachThePluginsAsFileSystemPaths) {
    folder.Install("tp_accept", "a.pip");
    auto file = folder.Script("写真.any", 2, 2);
    auto stored = quillora::text::Utf8PathToStored(file);
    ASSERT_NE(stored, file);
    EXPECT_EQ(LoadedMark(stored), 0x11);
}
