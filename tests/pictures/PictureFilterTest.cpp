// The picture file filter: fixed entries, plug-in patterns in directory order, the size limit.
#include <gtest/gtest.h>

#include <string>

#include "PictureLibrary.h"
#include "PluginTestFolder.h"
#include "text/Cp932.h"

using quillora::pictures::PictureLibrary;

namespace {
std::string Cp932(const char* utf8) { return quillora::text::Utf8ToCp932(utf8).value(); }

// The raw buffer a filter must hold: each string with its NUL, then the empty string, then zeros.
std::string ExpectedRaw(const std::string& supportedPattern) {
    std::string raw = Cp932("対応画像ﾌｧｲﾙ") + '\0' + supportedPattern + '\0' + Cp932("全てのﾌｧｲﾙ") + '\0' + "*.*" + '\0';
    raw.resize(256, '\0');
    return raw;
}

std::string Raw(const quillora::pictures::PictureFilter& filter) {
    return std::string(filter.raw.data(), filter.raw.size());
}
}  // namespace

TEST(PictureFilter, WithoutPluginsOnlyBmpIsOffered) {
    PluginTestFolder folder;
    auto filter = PictureLibrary(folder.Dir()).BuildPictureFilter();
    EXPECT_EQ(filter.supportedDescription, "対応画像ﾌｧｲﾙ");
    EXPECT_EQ(filter.supportedPattern, "*.bmp;");
    EXPECT_EQ(filter.allDescription, "全てのﾌｧｲﾙ");
    EXPECT_EQ(filter.allPattern, "*.*");
    EXPECT_EQ(Raw(filter), ExpectedRaw("*.bmp;"));
}

TEST(PictureFilter, PluginPatternsFollowInDirectoryOrderEachWithItsSemicolon) {
    PluginTestFolder folder;
    folder.Install("tp_accept", "one.pip");
    EXPECT_EQ(Raw(PictureLibrary(folder.Dir()).BuildPictureFilter()), ExpectedRaw("*.bmp;*.acc;"));
    folder.Install("tp_accept2", "0.pip");
    auto filter = PictureLibrary(folder.Dir()).BuildPictureFilter();
    EXPECT_EQ(Raw(filter), ExpectedRaw("*.bmp;*.two;*.acc;"));
    EXPECT_EQ(filter.supportedPattern, "*.bmp;*.two;*.acc;");
    EXPECT_EQ(folder.TakeLog(), (std::vector<std::string>{"one.pip imGetInfo", "0.pip imGetInfo", "one.pip imGetInfo"}));
}

TEST(PictureFilter, PatternsThatNoLongerFitAreLeftOutAndTheBufferStaysWellFormed) {
    PluginTestFolder folder;
    // Each of these writes 100 bytes without a NUL: 99 of them are kept, 100 with the ";".
    folder.Install("tp_fullpattern", "a.pip");
    folder.Install("tp_fullpattern", "b.pip");
    folder.Install("tp_fullpattern", "c.pip");  // 300 bytes would exceed the 220 available
    folder.Install("tp_accept", "d.pip");       // 206 bytes in all still fit
    const std::string x(99, 'x');
    auto filter = PictureLibrary(folder.Dir()).BuildPictureFilter();
    EXPECT_EQ(filter.supportedPattern, "*.bmp;" + x + ";" + x + ";*.acc;");
    EXPECT_EQ(Raw(filter), ExpectedRaw("*.bmp;" + x + ";" + x + ";*.acc;"));
    EXPECT_EQ(filter.raw[255], '\0');
}
