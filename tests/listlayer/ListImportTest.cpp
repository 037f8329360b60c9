// The two import buttons: a list file or a music folder replaces the list, after a question
// when the list already holds entries; Cancel of the sheet undoes an import like typed entries.
#include <QPushButton>
#include <gtest/gtest.h>

#include "ListSheetFixture.h"
#include "TempDir.h"
#include "listlayer/ListSheetIds.h"

using namespace quillora;

namespace {

class ListImportTest : public ListSheetTest {
protected:
    QString WriteList(const std::string& name, const std::string& bytes) {
        WriteWholeFile(dir.File(name), bytes);
        return QString::fromStdString(dir.File(name));
    }
    TempDir dir;
};

TEST_F(ListImportTest, AnEmptyListIsFilledWithoutAQuestion) {
    w.doc.list.defaultSpacing = 3;
    w.interaction.QueueOpenFile(WriteList("tracks.txt", "One\r\nTwo\r\n\r\nThree\r\n"));
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFile).click();
    EXPECT_TRUE(w.interaction.messages.empty());
    EXPECT_EQ(Entry(0), "One");
    EXPECT_EQ(Entry(2), "Three");
    EXPECT_EQ(w.doc.list.entrySpacing[1], 3);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("Two"));
    EXPECT_EQ(Number(0), "01.");
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
    ASSERT_EQ(w.interaction.fileChoices.size(), 1u);
    EXPECT_TRUE(w.interaction.fileChoices[0].filter.contains(QStringLiteral("*.cue")));
    EXPECT_TRUE(w.interaction.fileChoices[0].filter.contains(QStringLiteral("*.m3u8")));
}

TEST_F(ListImportTest, AListWithEntriesIsReplacedOnlyAfterYes) {
    Add("typed");
    const QString playlist = WriteList("mix.m3u", "#EXTM3U\n#EXTINF:123,Artist - Song, with comma\nsong.mp3\nother.flac\n");
    w.interaction.QueueOpenFile(playlist);
    w.interaction.QueueAnswer(workspace::Answer::No);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFile).click();
    EXPECT_EQ(Entry(0), "typed");
    ASSERT_EQ(w.interaction.messages.size(), 1u);
    EXPECT_EQ(w.interaction.messages[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(w.interaction.messages[0].icon, workspace::MessageIcon::Question);
    EXPECT_EQ(w.interaction.messages[0].buttons, workspace::MessageButtons::YesNo);

    w.interaction.QueueOpenFile(playlist);
    w.interaction.QueueAnswer(workspace::Answer::Yes);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFile).click();
    EXPECT_EQ(Entry(0), "Artist - Song, with comma");
    EXPECT_EQ(Entry(1), "other");
    EXPECT_EQ(Entry(2), "");
    // Like typed entries, an import is undone by Cancel.
    sheet->reject();
    EXPECT_EQ(Entry(0), "");
}

TEST_F(ListImportTest, SourcesThatCannotBeReadOrHoldNothingNameTheSourceUnderWarning) {
    const QString missing = QString::fromStdString(dir.File("missing.cue"));
    const QString folder = QString::fromStdString(dir.Path());
    w.interaction.QueueOpenFile(missing);
    w.interaction.QueueAnswer(workspace::Answer::Ok);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFile).click();
    w.interaction.QueueFolder(folder);
    w.interaction.QueueAnswer(workspace::Answer::Ok);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFolder).click();
    ASSERT_EQ(w.interaction.messages.size(), 2u);
    EXPECT_EQ(w.interaction.messages[0].text, QStringLiteral("\"%1\" を開けません。").arg(missing));
    EXPECT_EQ(w.interaction.messages[1].text, QStringLiteral("\"%1\" にﾘｽﾄﾃﾞｰﾀがありません。").arg(folder));
    for (const auto& message : w.interaction.messages) EXPECT_EQ(message.caption, QStringLiteral("警告"));
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    // A chooser closed without a choice does nothing.
    w.interaction.QueueFolder(std::nullopt);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFolder).click();
    EXPECT_EQ(w.interaction.messages.size(), 2u);
}

TEST_F(ListImportTest, TheChooserOpensWhereTheLastImportWasElseBesideTheLabel) {
    w.doc.currentFileName = dir.File("label.qlr");
    w.interaction.QueueOpenFile(std::nullopt);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFile).click();
    const QString sub = QString::fromStdString(dir.File("music"));
    w.interaction.QueueFolder(sub + QStringLiteral("/album"));
    w.interaction.QueueAnswer(workspace::Answer::Ok);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFolder).click();
    w.interaction.QueueOpenFile(std::nullopt);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFile).click();
    ASSERT_EQ(w.interaction.fileChoices.size(), 2u);
    EXPECT_EQ(w.interaction.fileChoices[0].initialPath, QString::fromStdString(dir.Path()));
    EXPECT_EQ(w.interaction.folderStarts, std::vector<QString>{QString::fromStdString(dir.Path())});
    EXPECT_EQ(w.interaction.fileChoices[1].initialPath, sub);
}

TEST_F(ListImportTest, EntriesBeyondFiftyAreLeftOutAndTheUserIsTold) {
    std::string lines;
    for (int i = 1; i <= 60; ++i) lines += "Track " + std::to_string(i) + "\n";
    w.interaction.QueueOpenFile(WriteList("long.txt", lines));
    w.interaction.QueueAnswer(workspace::Answer::Ok);
    FindChild<QPushButton>(*sheet, quillora::listlayer::list_sheet_id::kImportFile).click();
    EXPECT_EQ(Entry(49), "Track 50");
    ASSERT_EQ(w.interaction.messages.size(), 1u);
    EXPECT_TRUE(w.interaction.messages[0].text.contains(QStringLiteral("10件")));
}

}  // namespace
