#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "desktop/AppIcon.h"
#include "widgets/Centring.h"
#include "canvas/Colours.h"
#include "widgets/ColourSwatch.h"
#include "widgets/ImmediateMnemonics.h"
#include "workspace/MessageBoxBuilder.h"
#include "widgets/NumberField.h"
#include "widgets/UiFont.h"

using namespace quillora::widgets;
using namespace quillora::workspace;
using namespace quillora::desktop;

class SharedWidgets : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
};

TEST_F(SharedWidgets, ColoursKeepTheRecordByteOrder) {
    const QColor c = quillora::canvas::ToQColor(0x00336699);  // blue 0x33, green 0x66, red 0x99
    EXPECT_EQ(c, QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(quillora::canvas::FromQColor(c), 0x00336699u);
    ColourSwatch swatch;
    swatch.SetColour(0xFF123456);  // the unused top byte is not a colour
    EXPECT_EQ(swatch.Colour(), 0x00123456u);
}

TEST_F(SharedWidgets, InterfaceFontIsIpaPGothicWithATwelvePixelCell) {
    const QFontInfo info(UiFont());
    EXPECT_EQ(info.family(), QStringLiteral("IPAPGothic"));
    const QFontMetrics metrics(UiFont());
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 12, 1);
}

TEST(DialogNumberReading, ReadsLikeADialogField) {
    EXPECT_EQ(ReadDialogNumber(QStringLiteral(" 42 "), true), 42);
    EXPECT_EQ(ReadDialogNumber(QStringLiteral("-17"), true), -17);
    EXPECT_EQ(ReadDialogNumber(QStringLiteral("-17"), false), 0);
    EXPECT_EQ(ReadDialogNumber(QString(), true), 0);
    EXPECT_EQ(ReadDialogNumber(QStringLiteral("-"), true), 0);
    EXPECT_EQ(ReadDialogNumber(QStringLiteral("12a"), true), 0);
    EXPECT_EQ(ReadDialogNumber(QStringLiteral("a"), false), 0);
    EXPECT_EQ(ReadDialogNumber(QStringLiteral("99999999999"), false), 0);
    EXPECT_EQ(ReadDialogNumber(QStringLiteral("3000000000"), false), INT_MAX);
    EXPECT_EQ(ReadDialogNumber(QStringLiteral("3000000000"), true), 0);
}

TEST_F(SharedWidgets, NumberFieldArrowsStayInRangeTypedValuesDoNot) {
    NumberField field(5, 100);
    QSignalSpy edited(&field, &NumberField::edited);
    field.SetValue(99);
    field.UpButton()->click();
    EXPECT_EQ(field.Value(), 100);
    field.UpButton()->click();
    EXPECT_EQ(field.Value(), 100);
    field.Edit()->setText(QStringLiteral("900"));
    EXPECT_EQ(field.Value(), 900);
    field.DownButton()->click();  // steps from the typed value back into the range
    EXPECT_EQ(field.Value(), 100);
    field.SetValue(5);
    QTest::keyClick(field.Edit(), Qt::Key_Down);
    EXPECT_EQ(field.Value(), 5);
    QTest::keyClick(field.Edit(), Qt::Key_Up);
    EXPECT_EQ(field.Value(), 6);
    field.Edit()->setText(QStringLiteral("x"));
    EXPECT_EQ(field.Value(), 0);
    // 99, 100, 100 (a step at the limit still reports), 900, 100, 5, 5, 6, x
    EXPECT_EQ(edited.count(), 9);
}

TEST_F(SharedWidgets, NumberBoxIsAsWideAsItsWidestNumber) {
    NumberField position(-500, 500);
    NumberField diameter(1, 300, NumberField::DigitsOnly);
    EXPECT_EQ(position.DigitCount(), 4);
    EXPECT_EQ(diameter.DigitCount(), 3);
    position.Edit()->setText(QStringLiteral("-500"));
    const QFontMetrics metrics(position.Edit()->font());
    EXPECT_GE(position.Edit()->width(), metrics.horizontalAdvance(QStringLiteral("-500")));
    EXPECT_LT(position.Edit()->width(), 60);  // not the line edit's default of about 125 pixels
    EXPECT_LT(diameter.Edit()->width(), position.Edit()->width());
    QFont larger = position.font();
    larger.setPixelSize(24);
    position.setFont(larger);
    EXPECT_GE(position.Edit()->width(), QFontMetrics(larger).horizontalAdvance(QStringLiteral("0000")));
}

TEST_F(SharedWidgets, DigitsOnlyFieldRefusesLetters) {
    NumberField field(1, 300, NumberField::DigitsOnly);
    field.Edit()->setFocus();
    QTest::keyClicks(field.Edit(), QStringLiteral("1a2-3"));
    EXPECT_EQ(field.Edit()->text(), QStringLiteral("123"));
    EXPECT_EQ(field.Value(), 123);
    NumberField signedField(-10, 10);
    QTest::keyClicks(signedField.Edit(), QStringLiteral("-7"));
    EXPECT_EQ(signedField.Value(), -7);
}

TEST_F(SharedWidgets, MessageBoxHasTheExactButtonsAndDefaults) {
    Message question{nullptr, QString::fromUtf8("保存しますか？"), QString::fromUtf8("保存の確認"), MessageIcon::Question,
                     MessageButtons::YesNoCancel, Answer::Yes};
    BuiltMessageBox built = BuildMessageBox(question);
    QMessageBox& box = *built.box;
    EXPECT_EQ(box.windowTitle(), QString::fromUtf8("保存の確認"));
    EXPECT_EQ(box.text(), QString::fromUtf8("保存しますか？"));
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    ASSERT_EQ(box.buttons().size(), 3);
    QStringList texts;
    for (QAbstractButton* b : box.buttons()) texts << b->text();
    EXPECT_TRUE(texts.contains(QString::fromUtf8("はい(&Y)")));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("いいえ(&N)")));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("ｷｬﾝｾﾙ")));
    EXPECT_EQ(built.AnswerOf(box.defaultButton()), Answer::Yes);
    EXPECT_EQ(built.AnswerOf(box.escapeButton()), Answer::Cancel);
    EXPECT_EQ(built.AnswerOf(nullptr), Answer::Cancel);

    Message warning{nullptr, QStringLiteral("x"), QStringLiteral("Quillora"), MessageIcon::Exclamation,
                    MessageButtons::YesNo, Answer::No};
    BuiltMessageBox yesNo = BuildMessageBox(warning);
    EXPECT_EQ(yesNo.box->icon(), QMessageBox::Warning);
    EXPECT_EQ(yesNo.AnswerOf(yesNo.box->defaultButton()), Answer::No);

    BuiltMessageBox ok = BuildMessageBox(Message{nullptr, QStringLiteral("y"), QStringLiteral("Quillora"),
                                                  MessageIcon::Stop, MessageButtons::Ok, Answer::Ok});
    ASSERT_EQ(ok.box->buttons().size(), 1);
    EXPECT_EQ(ok.box->buttons()[0]->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok.box->icon(), QMessageBox::Critical);
}

TEST_F(SharedWidgets, IconsComeFromTheResources) {
    EXPECT_EQ(ApplicationIcon().availableSizes().size(), 6);
    EXPECT_FALSE(ApplicationIcon().pixmap(32, 32).isNull());
    EXPECT_FALSE(DocumentIcon().pixmap(16, 16).isNull());
}

TEST(Centring, HalvesTheDifferenceTowardZero) {
    EXPECT_EQ(CentredPosition(QRect(0, 0, 1024, 768), QSize(320, 240)), QPoint(352, 264));
    EXPECT_EQ(CentredPosition(QRect(0, 0, 1025, 769), QSize(320, 240)), QPoint(352, 264));
    EXPECT_EQ(CentredPosition(QRect(1920, 0, 1024, 768), QSize(320, 240)), QPoint(2272, 264));
    EXPECT_EQ(CentredPosition(QRect(0, 0, 100, 100), QSize(321, 100)), QPoint(-110, 0));
}

// Alt+D clicks 削除(&D) before the next key is handled, and the typed keys stay in the field.
TEST_F(SharedWidgets, AMnemonicClicksAtOnceAndLeavesTheFocusWhereItWas) {
    ImmediateMnemonics mnemonics;
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* button = new QPushButton(QStringLiteral("削除(&D)"), &window);
    button->move(0, 40);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { field->clear(), ++clicks; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    QTest::keyClicks(field, "ab");
    EXPECT_EQ(field->text(), QStringLiteral("ab"));
    EXPECT_TRUE(field->hasFocus());
}
