#include <gtest/gtest.h>

#include "settings/IniFile.h"
#include "settings/IniNumber.h"

namespace quillora::settings {
namespace {

TEST(IniFile, FindsKeysWithoutRegardToCaseSpacesOrOneQuotePair) {
    IniFile ini = IniFile::Parse(
        "[grid]\r\n"
        "  VIEW   =   1  \r\n"
        "; Space = 99\r\n"
        "no equals sign here\r\n"
        "Space=\"7\"\r\n"
        "Name = \"a\"b\"\r\n"
        "Open = \"x\n"
        "Blank =   \n"
        "[Grid]\n"
        "Type = 5\n");
    EXPECT_EQ(ini.Find("Grid", "view"), "1");
    EXPECT_EQ(ini.Find("GRID", "Space"), "7");
    EXPECT_EQ(ini.Find("Grid", "Name"), "a\"b");
    EXPECT_EQ(ini.Find("Grid", "Open"), "\"x");
    // A blank value is an empty text, not a missing key, and still points into the line
    // (it is copied into fixed fields with memcpy).
    auto blank = ini.Find("Grid", "Blank");
    ASSERT_TRUE(blank);
    EXPECT_TRUE(blank->empty());
    EXPECT_NE(blank->data(), nullptr);
    // Only the first of two like-named sections is read.
    EXPECT_FALSE(ini.Find("Grid", "Type"));
    EXPECT_FALSE(ini.Find("Other", "View"));
}

TEST(IniFile, ReplacingASectionKeepsEverythingElseInPlace) {
    IniFile ini = IniFile::Parse("; kept\n[A]\nx=1\n[B]\nold = 1\n; gone too\n[C]\nz = 3");
    ini.ReplaceSection("b", {"New = 2"});
    ini.ReplaceSection("D", {"w = 4"});
    EXPECT_EQ(ini.Serialise(),
              "; kept\r\n[A]\r\nx=1\r\n[B]\r\nNew = 2\r\n[C]\r\nz = 3\r\n[D]\r\nw = 4\r\n");
    EXPECT_FALSE(ini.Find("B", "old"));
}

TEST(IniNumber, ReadsLikeStrtolWithA32BitLong) {
    EXPECT_EQ(ParseIniInt("120"), 120);
    EXPECT_EQ(ParseIniInt("-500"), -500);
    EXPECT_EQ(ParseIniInt("+7"), 7);
    EXPECT_EQ(ParseIniInt("12abc"), 12);
    EXPECT_EQ(ParseIniInt("abc"), 0);
    EXPECT_EQ(ParseIniInt(""), 0);
    EXPECT_EQ(ParseIniInt("-"), 0);
    EXPECT_EQ(ParseIniInt("0x10"), 0);
    EXPECT_EQ(ParseIniInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseIniInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseIniInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseIniInt("-99999999999999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace quillora::settings
