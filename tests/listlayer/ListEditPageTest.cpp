// The list edit page: where entries go and where the selection moves, the number labels that
// stay with their slots, and the entry field's limits.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <gtest/gtest.h>

#include "ListSheetFixture.h"
#include "listlayer/EntryTextEdit.h"
#include "text/FixedField.h"
#include "widgets/NumberField.h"
#include "listlayer/ListSheetIds.h"

using namespace quillora;

namespace {

TEST_F(ListSheetTest, AFreshListShowsFiftyNumberedEmptyRowsWithRowZeroSelected) {
    EXPECT_EQ(Cell(0, 0), QStringLiteral("01."));
    EXPECT_EQ(Cell(8, 0), QStringLiteral("09."));
    EXPECT_EQ(Cell(49, 0), QStringLiteral("50."));
    EXPECT_EQ(Cell(17, 1), QString());
    EXPECT_EQ(Cell(49, 2), QStringLiteral("2mm"));
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(FindChild<widgets::NumberField>(*sheet, quillora::listlayer::list_sheet_id::kEntrySpacing).Value(), 2);
}

TEST_F(ListSheetTest, RepeatedAddsFillTheListInTypingOrder) {
    Add("one");
    FindChild<widgets::NumberField>(*sheet, quillora::listlayer::list_sheet_id::kEntrySpacing).SetValue(7);
    Add("two");
    Add("three");
    EXPECT_EQ(Entry(0), "one");
    EXPECT_EQ(Entry(1), "two");
    EXPECT_EQ(Entry(2), "three");
    EXPECT_EQ(std::string(text::FieldView(w.doc.list.entryText[1])), "two");
    EXPECT_EQ(w.doc.list.entrySpacing[1], 7);
    EXPECT_EQ(Cell(1, 2), QStringLiteral("7mm"));
    EXPECT_EQ(Selected(), 3);
    // The spacing field goes back to the default and the text field is emptied after each add.
    EXPECT_EQ(FindChild<widgets::NumberField>(*sheet, quillora::listlayer::list_sheet_id::kEntrySpacing).Value(), 2);
    EXPECT_TRUE(FindChild<listlayer::EntryTextEdit>(*sheet, quillora::listlayer::list_sheet_id::kEntryText).toPlainText().isEmpty());
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
    EXPECT_EQ(w.interaction.beeps, 0);
    // Nothing is drawn before Apply.
    EXPECT_TRUE(w.views.calls.empty());
}

TEST_F(ListSheetTest, AddingWithAnEmptyFieldOnlyBeeps) {
    Add("");
    EXPECT_EQ(w.interaction.beeps, 1);
    EXPECT_EQ(Entry(0), "");
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
}

TEST_F(ListSheetTest, AddingAtTheLastRowReplacesItsEntryAndStaysThere) {
    page->SelectSlot(48);
    Add("forty-nine");
    page->SelectSlot(49);
    Add("old fifty");
    EXPECT_EQ(Selected(), 49);
    Add("new fifty");
    EXPECT_EQ(Entry(48), "forty-nine");
    EXPECT_EQ(Entry(49), "new fifty");
    EXPECT_EQ(Selected(), 49);
}

TEST_F(ListSheetTest, AddingInTheMiddleMovesTheRestDownAndDropsTheLastEntry) {
    page->SelectSlot(49);
    Add("last");
    page->SelectSlot(0);
    Add("a");
    Add("b");
    page->SelectSlot(1);
    Add("between");
    EXPECT_EQ(Entry(0), "a");
    EXPECT_EQ(Entry(1), "between");
    EXPECT_EQ(Entry(2), "b");
    EXPECT_EQ(Selected(), 2);
    // "last" went from slot 49 past the end.
    EXPECT_EQ(Entry(49), "");
    EXPECT_EQ(Number(1), "02.");
}

TEST_F(ListSheetTest, DeletingMovesTheEntriesUpButNotTheNumbers) {
    Add("a");
    Add("b");
    Add("c");
    w.doc.list.entrySpacing[49] = 9;
    page->SelectSlot(0);
    Click(listlayer::list_sheet_id::kDelete);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Entry(0), "b");
    EXPECT_EQ(Entry(1), "c");
    EXPECT_EQ(Entry(2), "");
    EXPECT_EQ(Number(0), "01.");
    // Slot 49 gets an empty entry with the default spacing.
    EXPECT_EQ(w.doc.list.entrySpacing[48], 9);
    EXPECT_EQ(w.doc.list.entrySpacing[49], 2);
    page->SelectSlot(1);
    Click(listlayer::list_sheet_id::kDelete);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(Entry(0), "b");
    EXPECT_EQ(Entry(1), "");
    page->SelectSlot(-1);
    Click(listlayer::list_sheet_id::kDelete);
    EXPECT_EQ(w.interaction.beeps, 1);
    EXPECT_EQ(Entry(0), "b");
}

TEST_F(ListSheetTest, UpAndDownSwapEntriesAndBeepAtTheEnds) {
    Add("a");
    FindChild<widgets::NumberField>(*sheet, quillora::listlayer::list_sheet_id::kEntrySpacing).SetValue(5);
    Add("b");
    page->SelectSlot(0);
    Click(listlayer::list_sheet_id::kUp);
    EXPECT_EQ(w.interaction.beeps, 1);
    Click(listlayer::list_sheet_id::kDown);
    EXPECT_EQ(Entry(0), "b");
    EXPECT_EQ(Entry(1), "a");
    EXPECT_EQ(w.doc.list.entrySpacing[0], 5);
    EXPECT_EQ(w.doc.list.entrySpacing[1], 2);
    EXPECT_EQ(Number(0), "01.");
    EXPECT_EQ(Cell(0, 0), QStringLiteral("01."));
    EXPECT_EQ(Selected(), 1);
    Click(listlayer::list_sheet_id::kUp);
    EXPECT_EQ(Entry(0), "a");
    EXPECT_EQ(Selected(), 0);
    page->SelectSlot(49);
    Click(listlayer::list_sheet_id::kDown);
    page->SelectSlot(-1);
    Click(listlayer::list_sheet_id::kUp);
    Click(listlayer::list_sheet_id::kDown);
    EXPECT_EQ(w.interaction.beeps, 4);
}

TEST_F(ListSheetTest, LineBreaksAreStoredAsCrLfAndLoadedBackByDoubleClick) {
    Add("first line\nsecond");
    EXPECT_EQ(Entry(0), "first line\r\nsecond");
    EXPECT_EQ(std::string(text::FieldView(w.doc.list.entryText[0])), "first line\r\nsecond");
    w.doc.list.entrySpacing[0] = 11;
    page->SelectSlot(0);
    emit FindChild<QTableWidget>(*sheet, quillora::listlayer::list_sheet_id::kListView).cellDoubleClicked(0, 1);
    EXPECT_EQ(FindChild<listlayer::EntryTextEdit>(*sheet, quillora::listlayer::list_sheet_id::kEntryText).toPlainText(), QStringLiteral("first line\nsecond"));
    EXPECT_EQ(FindChild<widgets::NumberField>(*sheet, quillora::listlayer::list_sheet_id::kEntrySpacing).Value(), 11);
}

TEST_F(ListSheetTest, TheEntryFieldRefusesWhatAnEntryCannotHoldWithABeep) {
    auto& field = FindChild<listlayer::EntryTextEdit>(*sheet, quillora::listlayer::list_sheet_id::kEntryText);
    field.setPlainText(QStringLiteral("ok"));
    field.insertPlainText(QStringLiteral("\U0001F600"));
    EXPECT_EQ(field.toPlainText(), QStringLiteral("ok"));
    EXPECT_EQ(w.interaction.beeps, 1);
    // 255 bytes fit; a line break counts as CR LF.
    field.setPlainText(QString(253, QLatin1Char('x')));
    field.moveCursor(QTextCursor::End);
    field.insertPlainText(QStringLiteral("\n"));
    EXPECT_EQ(field.EntryBytes().size(), 255u);
    field.insertPlainText(QStringLiteral("y"));
    EXPECT_EQ(field.EntryBytes().size(), 255u);
    EXPECT_EQ(w.interaction.beeps, 2);
    // Half-width katakana are one byte each.
    field.setPlainText(QStringLiteral("ｱｲｳ"));
    EXPECT_EQ(field.EntryBytes().size(), 3u);
}

// The details dialog and the bulk spacing dialog run through the interaction seam.
TEST_F(ListSheetTest, DetailsRenumberTheLabelsOnly) {
    Add("a");
    w.doc.list.entrySpacing[0] = 9;
    page->SelectSlot(3);
    w.interaction.QueueDialog([](QDialog& dialog) {
        FindChild<QCheckBox>(dialog, quillora::listlayer::list_sheet_id::kAddZero).setChecked(false);
        FindChild<widgets::NumberField>(dialog, quillora::listlayer::list_sheet_id::kDefaultSpacing).SetValue(4);
        return AcceptDialog(dialog);
    });
    Click(listlayer::list_sheet_id::kDetails);
    EXPECT_EQ(Number(0), "1.");
    EXPECT_EQ(Number(49), "50.");
    EXPECT_EQ(Cell(8, 0), QStringLiteral("9."));
    EXPECT_EQ(w.doc.list.entrySpacing[0], 9);
    EXPECT_EQ(w.doc.list.defaultSpacing, 4);
    EXPECT_EQ(FindChild<widgets::NumberField>(*sheet, quillora::listlayer::list_sheet_id::kEntrySpacing).Value(), 4);
    EXPECT_EQ(Selected(), 3);

    w.interaction.QueueDialog([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, quillora::listlayer::list_sheet_id::kSeparator).setText(QString());
        return AcceptDialog(dialog);
    });
    Click(listlayer::list_sheet_id::kDetails);
    EXPECT_EQ(Number(0), "1");
    EXPECT_EQ(Number(10), "11");

    // With the leading zero, a separator of 9 bytes leaves the label cut at its 9 bytes.
    w.interaction.QueueDialog([](QDialog& dialog) {
        FindChild<QCheckBox>(dialog, quillora::listlayer::list_sheet_id::kAddZero).setChecked(true);
        FindChild<QLineEdit>(dialog, quillora::listlayer::list_sheet_id::kSeparator).setText(QStringLiteral("ｰｰｰｰｰｰｰｰｰ"));
        return AcceptDialog(dialog);
    });
    Click(listlayer::list_sheet_id::kDetails);
    EXPECT_EQ(Number(0).size(), 9u);
    EXPECT_EQ(Number(0).substr(0, 2), "01");
    EXPECT_EQ(std::string(text::FieldView(w.doc.list.numberSeparator)).size(), 9u);

    // Cancelled: nothing is written.
    w.interaction.QueueDialog([](QDialog& dialog) {
        FindChild<QCheckBox>(dialog, quillora::listlayer::list_sheet_id::kPrintNumbers).setChecked(false);
        dialog.reject();
        return int(QDialog::Rejected);
    });
    Click(listlayer::list_sheet_id::kDetails);
    EXPECT_EQ(w.doc.list.printNumbers, 1);
}

TEST_F(ListSheetTest, BulkSpacingAsksFirstAndOnlyYesSetsEverySpacing) {
    Add("a");
    bool stayedOpen = false;
    w.interaction.QueueDialog([&](QDialog& dialog) {
        FindChild<widgets::NumberField>(dialog, quillora::listlayer::list_sheet_id::kBulkSpacingValue).SetValue(5);
        w.interaction.QueueAnswer(workspace::Answer::No);
        stayedOpen = AcceptDialog(dialog) == QDialog::Rejected && dialog.isVisible();
        w.interaction.QueueAnswer(workspace::Answer::Yes);
        return AcceptDialog(dialog);
    });
    Click(listlayer::list_sheet_id::kBulkSpacing);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(w.interaction.messages.size(), 2u);
    EXPECT_EQ(w.interaction.messages[0].text, QStringLiteral("全ﾘｽﾄﾃﾞｰﾀの間隔を5mmに設定します。よろしいですか？"));
    EXPECT_EQ(w.interaction.messages[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(w.interaction.messages[0].icon, workspace::MessageIcon::Question);
    EXPECT_EQ(w.interaction.messages[0].buttons, workspace::MessageButtons::YesNo);
    for (int i = 0; i < document::kListEntries; ++i) EXPECT_EQ(w.doc.list.entrySpacing[i], 5) << i;
    EXPECT_EQ(Cell(30, 2), QStringLiteral("5mm"));
    EXPECT_EQ(w.doc.list.defaultSpacing, 5);
    Add("b");
    EXPECT_EQ(w.doc.list.entrySpacing[1], 5);
}

TEST_F(ListSheetTest, BulkSpacingCancelledChangesNothing) {
    w.interaction.QueueDialog([](QDialog& dialog) {
        FindChild<widgets::NumberField>(dialog, quillora::listlayer::list_sheet_id::kBulkSpacingValue).SetValue(8);
        dialog.reject();
        return int(QDialog::Rejected);
    });
    Click(listlayer::list_sheet_id::kBulkSpacing);
    EXPECT_EQ(w.doc.list.defaultSpacing, 2);
    EXPECT_EQ(w.doc.list.entrySpacing[0], 2);
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
}

}  // namespace
