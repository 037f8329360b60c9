// The table of label sheets: the shipped file whole, a user's file with mistakes in it, and the
// positions to print as a person types them.
#include <gtest/gtest.h>

#include "TempDir.h"
#include "sheets/LabelSheets.h"
#include "sheets/SheetPositions.h"

using namespace quillora::sheets;

TEST(LabelSheets, TheShippedTableLoadsWhole) {
    const SheetTable table = LoadLabelSheets(QUILLORA_SOURCE_DIR "/data", "");
    EXPECT_TRUE(table.problems.empty()) << table.problems.front().file << ":" << table.problems.front().line << " "
                                        << table.problems.front().message;
    EXPECT_EQ(table.sheets.size(), 139u);
    const LabelSheet* l7676 = FindSheet(table, "Avery L7676");
    ASSERT_NE(l7676, nullptr);
    EXPECT_EQ(l7676->paperName, "A4");
    EXPECT_DOUBLE_EQ(l7676->outerMm, 117);
    ASSERT_EQ(l7676->centres.size(), 2u);
    EXPECT_DOUBLE_EQ(l7676->centres[1].y, 217.5);
}

// Each mistake names its file and line and leaves out its own section only; a sheet of a shipped
// name replaces it.
TEST(LabelSheets, MistakesLeaveOutTheirSectionAndNameTheLine) {
    TempDir dir;
    WriteWholeFile(dir.File("label-sheets.ini"),
                   "stray line\n[Mine]\npaper = 200x250\ndisc = 116 22\ncentres = 100,70 100,190\n"
                   "[No paper]\ndisc = 116 22\ncentres = 100,70\n"
                   "[Bad paper]\npaper = B7\n"
                   "[Hole too big]\npaper = A4\ndisc = 40 50\n"
                   "[Off the paper]\npaper = A4\ndisc = 120 15\ncentres = 30,100\n"
                   "[Odd key]\ncolour = red\n"
                   "[Avery L7676]\npaper = A4\ndisc = 116 17\ncentres = 105,80\n");
    SheetTable table;
    ReadLabelSheets("[Avery L7676]\npaper = A4\ndisc = 117 17.6\ncentres = 105,80.5 105,217.5\n", "shipped", table);
    ASSERT_EQ(table.sheets.size(), 1u);
    const SheetTable user = LoadLabelSheets(dir.Path() + "/none", dir.Path());
    ReadLabelSheets(ReadWholeFile(dir.File("label-sheets.ini")), "mine.ini", table);

    const std::vector<std::pair<int, std::string>> expected = {
        {1, "a line outside any [sheet]"}, {6, "no paper"},
        {10, "paper \"B7\" is neither A4, US-Letter nor WIDTHxHEIGHT"},
        {13, "disc must be OUTER HOLE, the outer larger, at most 300 mm"}, {14, "lies off the paper"},
        {19, "unknown key \"colour\""}};
    ASSERT_EQ(table.problems.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(table.problems[i].file, "mine.ini");
        EXPECT_EQ(table.problems[i].line, expected[i].first) << expected[i].second;
        EXPECT_NE(table.problems[i].message.find(expected[i].second), std::string::npos) << table.problems[i].message;
    }
    ASSERT_EQ(table.sheets.size(), 2u);
    EXPECT_DOUBLE_EQ(FindSheet(table, "Mine")->paperHeightMm, 250);
    EXPECT_DOUBLE_EQ(FindSheet(table, "Avery L7676")->outerMm, 116);
    // Without the shipped table beside the program, the user's sheets still load and the lack is said.
    EXPECT_EQ(user.sheets.size(), 2u);
    ASSERT_FALSE(user.problems.empty());
    EXPECT_EQ(user.problems.front().message, "missing");
}

// Anything naming a position the sheet lacks, or no position at all, is refused.
TEST(LabelSheets, PositionsReadAsTyped) {
    using Indices = std::optional<std::vector<int>>;
    const std::pair<const char*, Indices> cases[] = {
        {"1", std::vector{0}},  {" 3 ", std::vector{2}},       {"all", std::vector{0, 1, 2, 3}},
        {"1,3-4", std::vector{0, 2, 3}}, {"4,1,1", std::vector{0, 3}}, {"1-4", std::vector{0, 1, 2, 3}},
        {"0", std::nullopt},    {"5", std::nullopt},          {"", std::nullopt},
        {"1,", std::nullopt},   {"3-2", std::nullopt},        {"1-5", std::nullopt},
        {"x", std::nullopt},    {"-1", std::nullopt},         {"1;2", std::nullopt}};
    for (const auto& [text, indices] : cases) EXPECT_EQ(ParsePositions(text, 4), indices) << text;
    EXPECT_EQ(ParsePositions(AllPositions(2), 2), (std::vector{0, 1}));
    EXPECT_EQ(ParsePositions(AllPositions(1), 1), (std::vector{0}));
}
