// The sheet as a whole: Apply and Cancel against the snapshot, pages that apply only once shown,
// the layout styles' enabling and the format page's choosers.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "ListSheetFixture.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "widgets/ColourSwatch.h"
#include "widgets/NumberField.h"
#include "listlayer/ListSheetIds.h"

using namespace quillora;

namespace {

widgets::NumberField& Field(QWidget& sheet, int index) {
    return FindChild<widgets::NumberField>(sheet, listlayer::list_sheet_id::FieldId(index));
}

TEST_F(ListSheetTest, ApplyThenCancelKeepsWhatWasApplied) {
    Add("kept");
    sheet->Tabs()->setCurrentIndex(1);
    FindChild<QRadioButton>(*sheet, listlayer::list_sheet_id::StyleId(1)).click();
    sheet->Tabs()->setCurrentIndex(2);
    FindChild<widgets::NumberField>(*sheet, listlayer::list_sheet_id::kLineGap).SetValue(-7);
    sheet->ApplyButton()->click();
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    EXPECT_TRUE(w.doc.documentModified);
    // The label shows what was applied.
    ASSERT_FALSE(w.views.calls.empty());
    EXPECT_EQ(w.views.calls.back(), "document");
    const std::size_t drawnAtApply = w.views.calls.size();

    Add("dropped");
    FindChild<QRadioButton>(*sheet, listlayer::list_sheet_id::StyleId(2)).click();
    w.interaction.QueueColour(QColor(1, 2, 3));
    FindChild<QPushButton>(*sheet, listlayer::list_sheet_id::kChooseFontColour).click();
    sheet->reject();
    EXPECT_EQ(Entry(0), "kept");
    EXPECT_EQ(Entry(1), "");
    EXPECT_EQ(w.doc.list.layoutStyle, 1);
    EXPECT_EQ(w.doc.list.lineGap, -7);
    EXPECT_EQ(w.doc.list.fontColor, 0u);
    // Cancel draws nothing: nothing after the last Apply was drawn.
    EXPECT_EQ(w.views.calls.size(), drawnAtApply);
}

TEST_F(ListSheetTest, CancelWithoutApplyRestoresTheListAsOpened) {
    Add("gone");
    sheet->reject();
    EXPECT_EQ(Entry(0), "");
    EXPECT_FALSE(w.doc.documentModified);
    EXPECT_TRUE(w.views.calls.empty());
}

TEST_F(ListSheetTest, OkAppliesOnlyThePagesThatWereShown) {
    w.doc.list.layoutStyle = 1;
    w.doc.list.lineGap = 3;
    EXPECT_EQ(sheet->Page(1), nullptr);
    sheet->Tabs()->setCurrentIndex(1);
    // The format page, never shown, would write the line gap it was opened with.
    w.doc.list.lineGap = 4;
    sheet->accept();
    EXPECT_EQ(sheet->Page(2), nullptr);
    EXPECT_EQ(w.views.calls, std::vector<std::string>{"document"});
    EXPECT_EQ(w.doc.list.layoutStyle, 1);
    EXPECT_EQ(w.doc.list.lineGap, 4);
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
}

TEST_F(ListSheetTest, LayoutEnablesOnlyTheChosenStylesFieldsButAppliesThemAll) {
    w.doc.list.layoutStyle = 2;
    sheet->Tabs()->setCurrentIndex(1);
    EXPECT_TRUE(FindChild<QRadioButton>(*sheet, listlayer::list_sheet_id::StyleId(2)).isChecked());
    EXPECT_FALSE(Field(*sheet, 0).isEnabled());
    EXPECT_TRUE(Field(*sheet, 7).isEnabled());
    Field(*sheet, 6).SetValue(33);
    FindChild<QRadioButton>(*sheet, listlayer::list_sheet_id::StyleId(0)).click();
    EXPECT_FALSE(FindChild<QRadioButton>(*sheet, listlayer::list_sheet_id::StyleId(2)).isChecked());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Field(*sheet, i).isEnabled(), i < 2) << i;
    EXPECT_TRUE(sheet->ApplyButton()->isEnabled());
    sheet->ApplyButton()->click();
    EXPECT_EQ(w.doc.list.layoutStyle, 0);
    EXPECT_EQ(w.doc.list.left22, 33);
}

TEST_F(ListSheetTest, AnUnknownLayoutStyleSetsNoButtonAndEnablesEveryField) {
    w.doc.list.layoutStyle = 7;
    w.doc.list.top1 = 12;
    sheet->Tabs()->setCurrentIndex(1);
    for (int style : {0, 1, 2}) EXPECT_FALSE(FindChild<QRadioButton>(*sheet, listlayer::list_sheet_id::StyleId(style)).isChecked());
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(Field(*sheet, i).isEnabled()) << i;
    EXPECT_EQ(Field(*sheet, 2).Value(), 12);
    EXPECT_FALSE(sheet->ApplyButton()->isEnabled());
    sheet->accept();
    EXPECT_EQ(w.doc.list.layoutStyle, 2);
}

TEST_F(ListSheetTest, TheFontChooserKeepsTheStoredFaceWhenTheFamilyStaysTheSame) {
    text::StoreField(w.doc.list.fontFace, *text::Utf8ToCp932("ＭＳ Ｐ明朝"));
    w.doc.list.fontSize = 12;
    w.doc.list.fontBold = 400;
    sheet->Tabs()->setCurrentIndex(2);
    EXPECT_EQ(FindChild<QLabel>(*sheet, listlayer::list_sheet_id::kFont).text(), QStringLiteral("ＭＳ Ｐ明朝 / 12pt"));
    w.interaction.QueueFont(workspace::FontChoice{QStringLiteral("IPAPMincho"), 145, 700});
    FindChild<QPushButton>(*sheet, listlayer::list_sheet_id::kChooseFont).click();
    ASSERT_EQ(w.interaction.fontRequests.size(), 1u);
    EXPECT_EQ(w.interaction.fontRequests[0].face, QStringLiteral("IPAPMincho"));
    EXPECT_EQ(text::FieldView(w.doc.list.fontFace), *text::Utf8ToCp932("ＭＳ Ｐ明朝"));
    // Chosen fonts reach the list at once.
    EXPECT_EQ(w.doc.list.fontSize, 14);
    EXPECT_EQ(w.doc.list.fontBold, 700);
    EXPECT_EQ(FindChild<QLabel>(*sheet, listlayer::list_sheet_id::kFont).text(), QStringLiteral("ＭＳ Ｐ明朝 / 14pt"));
    w.interaction.QueueFont(workspace::FontChoice{QStringLiteral("DejaVu Sans"), 100});
    FindChild<QPushButton>(*sheet, listlayer::list_sheet_id::kChooseFont).click();
    EXPECT_EQ(text::FieldView(w.doc.list.fontFace), "DejaVu Sans");
    w.interaction.QueueFont(std::nullopt);
    FindChild<QPushButton>(*sheet, listlayer::list_sheet_id::kChooseFont).click();
    EXPECT_EQ(w.doc.list.fontSize, 10);
}

TEST_F(ListSheetTest, ColoursAndTheShadowSwitchReachTheListAtOnceTheNumbersOnApply) {
    sheet->Tabs()->setCurrentIndex(2);
    EXPECT_FALSE(FindChild<QPushButton>(*sheet, listlayer::list_sheet_id::kChooseShadowColour).isEnabled());
    EXPECT_FALSE(FindChild<widgets::NumberField>(*sheet, listlayer::list_sheet_id::kShadowX).isEnabled());
    FindChild<QCheckBox>(*sheet, listlayer::list_sheet_id::kShadow).click();
    EXPECT_EQ(w.doc.list.shadow, 1);
    EXPECT_TRUE(FindChild<widgets::NumberField>(*sheet, listlayer::list_sheet_id::kShadowY).isEnabled());
    w.interaction.QueueColour(QColor(0x10, 0x20, 0x30));
    FindChild<QPushButton>(*sheet, listlayer::list_sheet_id::kChooseShadowColour).click();
    EXPECT_EQ(w.doc.list.shadowColor, 0x302010u);
    EXPECT_EQ(FindChild<widgets::ColourSwatch>(*sheet, listlayer::list_sheet_id::kShadowColour).Colour(), 0x302010u);
    FindChild<widgets::NumberField>(*sheet, listlayer::list_sheet_id::kShadowX).SetValue(-3);
    FindChild<widgets::NumberField>(*sheet, listlayer::list_sheet_id::kShadowY).SetValue(4);
    EXPECT_EQ(w.doc.list.shadowX, 0);
    sheet->ApplyButton()->click();
    EXPECT_EQ(w.doc.list.shadowX, -3);
    EXPECT_EQ(w.doc.list.shadowY, 4);
}

}  // namespace
