// The text layer dialog: fields, Apply enabling, Apply then Cancel, the font and colour
// choosers and the text field's refusals.
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "LayerTestWorkspace.h"
#include "widgets/ControlId.h"
#include "layers/TextLayerDialog.h"
#include "text/Cp932.h"
#include "document/TextArc.h"
#include "text/FixedField.h"
#include "widgets/ColourSwatch.h"
#include "widgets/NumberField.h"

using namespace quillora;
using namespace quillora::layers;
using layers::DialogVariant;
using layers::TextLayerDialog;
using widgets::NumberField;

namespace {

// Japanese text arrives from an input method, one committed character at a time.
void Commit(QLineEdit* edit, const QString& text) {
    for (char32_t c : text.toUcs4()) {
        QInputMethodEvent event;
        event.setCommitString(QString::fromUcs4(&c, 1));
        QApplication::sendEvent(edit, &event);
    }
}

class TextLayerDialogTest : public ::testing::Test {
protected:
    LayerTestWorkspace w;
    void TearDown() override { EXPECT_TRUE(w.interaction.AllConsumed()); }
    QPushButton* Apply(QDialog& d) { return Control<QPushButton>(d, text_dialog_id::kApply); }
};

TEST_F(TextLayerDialogTest, VariantsDifferInTitleAndApplyAndHoldTheOpenFlag) {
    {
        TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("新規文字ﾚｲﾔｰ"));
        EXPECT_EQ(Apply(dialog), nullptr);
        EXPECT_TRUE(w.flags.textDialogOpen);
        dialog.reject();
        EXPECT_FALSE(w.flags.textDialogOpen);
    }
    TextLayerDialog dialog(w.ws, DialogVariant::LayerSettings, 2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("文字ﾚｲﾔｰの設定"));
    ASSERT_NE(Apply(dialog), nullptr);
    EXPECT_EQ(Apply(dialog)->text(), QStringLiteral("適用(&A)"));
    EXPECT_FALSE(Apply(dialog)->isEnabled());
}

TEST_F(TextLayerDialogTest, EveryKindOfChangeEnablesApplyAndApplyDisablesItAgain) {
    int slot = w.AddTextLayer("t");
    TextLayerDialog dialog(w.ws, DialogVariant::LayerSettings, slot);
    dialog.show();
    QPushButton* apply = Apply(dialog);
    auto enabledBy = [&](const std::function<void()>& change) {
        apply->click();  // Apply disables itself
        EXPECT_FALSE(apply->isEnabled());
        change();
        return apply->isEnabled();
    };
    EXPECT_TRUE(enabledBy([&] { QTest::keyClicks(Control<QLineEdit>(dialog, text_dialog_id::kText), "x"); }));
    EXPECT_TRUE(enabledBy([&] { Control<NumberField>(dialog, text_dialog_id::kPosX)->StepBy(1); }));
    EXPECT_TRUE(enabledBy([&] { Control<QCheckBox>(dialog, text_dialog_id::kShadow)->click(); }));
    w.interaction.QueueColour(QColor(1, 2, 3));
    EXPECT_TRUE(enabledBy([&] { Control<QPushButton>(dialog, text_dialog_id::kFontColourButton)->click(); }));
    w.interaction.QueueFont(workspace::FontChoice{QStringLiteral("IPAPGothic"), 140});
    EXPECT_TRUE(enabledBy([&] { Control<QPushButton>(dialog, text_dialog_id::kFontButton)->click(); }));
    // A cancelled chooser changes nothing.
    w.interaction.QueueColour(std::nullopt);
    EXPECT_FALSE(enabledBy([&] { Control<QPushButton>(dialog, text_dialog_id::kFontColourButton)->click(); }));
    dialog.reject();
}

TEST_F(TextLayerDialogTest, ApplyWritesTheLayerAndCancelRestoresOnlyTheSettings) {
    int slot = w.AddTextLayer("before");
    w.doc.layers[slot].visible = 0;
    w.interaction.QueueDialog([&](QDialog& dialog) {
        Control<QLineEdit>(dialog, text_dialog_id::kText)->setText(QStringLiteral("applied"));
        Control<NumberField>(dialog, text_dialog_id::kPosX)->Edit()->setText(QStringLiteral("900"));
        Apply(dialog)->click();
        EXPECT_EQ(text::FieldView(w.doc.layers[slot].text), "applied");
        EXPECT_EQ(text::FieldView(w.doc.layers[slot].name), "applied");
        EXPECT_EQ(w.doc.layers[slot].posX, 900);
        EXPECT_EQ(w.doc.layers[slot].visible, 1);
        EXPECT_TRUE(w.doc.documentModified);
        EXPECT_EQ(w.views.calls, (std::vector<std::string>{"layers:selection", "document"}));
        EXPECT_FALSE(Apply(dialog)->isEnabled());
        return ClickAndFinish(dialog, widgets::kCancelId);
    });
    w.operations.EditLayerProperties(1);
    EXPECT_EQ(text::FieldView(w.doc.layers[slot].text), "applied");
    EXPECT_EQ(w.doc.layers[slot].posX, 900);
    // The settings hold the layer's values as loaded when the dialog opened.
    EXPECT_EQ(text::FieldView(w.settings.text.text), "before");
    EXPECT_EQ(w.settings.text.posX, 0);
    EXPECT_EQ(w.views.calls.size(), 2u);
    EXPECT_FALSE(w.flags.textDialogOpen);
}

// The arc follows the same rule: Apply writes it into the layer, Cancel puts back only the
// settings, and a layer without an arc loads as "off" with the last values kept.
TEST_F(TextLayerDialogTest, ArcIsAppliedToTheLayerAndCancelRestoresOnlyTheSettings) {
    int slot = w.AddTextLayer("rim");
    w.doc.layers[slot].fontSize = 12;
    w.settings.text.arc = {0, 300, 90, 0, 5};
    w.interaction.QueueDialog([&](QDialog& dialog) {
        auto* group = Control<QGroupBox>(dialog, text_dialog_id::kArc);
        EXPECT_FALSE(group->isChecked());
        auto* radius = Control<NumberField>(dialog, text_dialog_id::kArcRadius);
        EXPECT_EQ(radius->Value(), 300);
        EXPECT_FALSE(radius->isEnabled());
        group->setChecked(true);
        Control<QPushButton>(dialog, text_dialog_id::kArcFitRim)->click();
        EXPECT_EQ(radius->Value(), document::RimRadius(w.doc.SafeOuterMm(), 12));
        Control<QRadioButton>(dialog, text_dialog_id::kArcInside)->click();
        Control<NumberField>(dialog, text_dialog_id::kArcCentreAngle)->Edit()->setText(QStringLiteral("180"));
        EXPECT_TRUE(Apply(dialog)->isEnabled());
        Apply(dialog)->click();
        EXPECT_EQ(document::ReadArc(w.doc.layers[slot]),
                  (document::TextArc{1, document::RimRadius(w.doc.SafeOuterMm(), 12), 180, 1, 5}));
        EXPECT_EQ(w.doc.layers[slot].posX, 0);  // the position stays for programs that draw it straight
        return ClickAndFinish(dialog, widgets::kCancelId);
    });
    w.operations.EditLayerProperties(1);
    EXPECT_TRUE(document::ReadArc(w.doc.layers[slot]).has_value());
    EXPECT_EQ(w.settings.text.arc, (document::TextArc{0, 300, 90, 0, 5}));
}

TEST_F(TextLayerDialogTest, ArcNoticeShowsWhileTheTextIsLongerThanOneTurn) {
    w.settings.text.arc = {1, 550, 0, 0, 0};
    TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    dialog.show();
    auto* notice = Control<QLabel>(dialog, text_dialog_id::kArcCutNotice);
    EXPECT_FALSE(notice->isVisible());
    Control<NumberField>(dialog, text_dialog_id::kArcRadius)->Edit()->setText(QStringLiteral("10"));
    EXPECT_TRUE(notice->isVisible());
    Control<QGroupBox>(dialog, text_dialog_id::kArc)->setChecked(false);
    Control<QLineEdit>(dialog, text_dialog_id::kText)->setText(QStringLiteral("x"));
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    EXPECT_EQ(w.settings.text.arc, (document::TextArc{0, 10, 0, 0, 0}));
}

TEST_F(TextLayerDialogTest, NumbersAreStoredAsTypedAndTheAngleTakesDigitsOnly) {
    TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    dialog.show();
    Control<NumberField>(dialog, text_dialog_id::kPosX)->Edit()->setText(QStringLiteral("900"));
    Control<NumberField>(dialog, text_dialog_id::kPosY)->Edit()->setText(QStringLiteral("a"));
    Control<NumberField>(dialog, text_dialog_id::kShadowX)->Edit()->setText(QStringLiteral("-501"));
    QLineEdit* angle = Control<NumberField>(dialog, text_dialog_id::kAngle)->Edit();
    angle->clear();
    QTest::keyClicks(angle, "-4x5");
    EXPECT_EQ(angle->text(), QStringLiteral("45"));
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    EXPECT_EQ(w.settings.text.posX, 900);
    EXPECT_EQ(w.settings.text.posY, 0);
    EXPECT_EQ(w.settings.text.shadowX, -501);
    EXPECT_EQ(w.settings.text.angle, 45);
}

TEST_F(TextLayerDialogTest, FontChoiceStoresWholePointsAndShowsFaceAndSize) {
    TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    EXPECT_EQ(Control<QLabel>(dialog, text_dialog_id::kFont)->text(), QStringLiteral("ＭＳ Ｐ明朝 / 12pt"));
    workspace::FontChoice choice{QStringLiteral("IPAPGothic"), 105, 700, true, false, true};
    w.interaction.QueueFont(choice);
    Control<QPushButton>(dialog, text_dialog_id::kFontButton)->click();
    ASSERT_EQ(w.interaction.fontRequests.size(), 1u);
    // The chooser opens on the family that draws the stored Windows face ...
    EXPECT_EQ(w.interaction.fontRequests[0].face, QStringLiteral("IPAPMincho"));
    EXPECT_EQ(w.interaction.fontRequests[0].pointSizeTenths, 120);
    EXPECT_EQ(w.settings.text.fontSize, 10);
    EXPECT_EQ(w.settings.text.fontBold, 700);
    EXPECT_EQ(w.settings.text.fontItalic, 1);
    EXPECT_EQ(w.settings.text.fontUnderline, 0);
    EXPECT_EQ(w.settings.text.fontStrike, 1);
    // ... and the Windows name is stored again for the family chosen there.
    EXPECT_EQ(text::FieldView(w.settings.text.fontFace), *text::Utf8ToCp932("ＭＳ Ｐゴシック"));
    EXPECT_EQ(Control<QLabel>(dialog, text_dialog_id::kFont)->text(), QStringLiteral("ＭＳ Ｐゴシック / 10pt"));
    w.interaction.QueueFont(workspace::FontChoice{QStringLiteral("DejaVu Serif"), 120});
    Control<QPushButton>(dialog, text_dialog_id::kFontButton)->click();
    EXPECT_EQ(w.interaction.fontRequests[1].face, QStringLiteral("IPAPGothic"));
    EXPECT_EQ(text::FieldView(w.settings.text.fontFace), "DejaVu Serif");
    // The chooser's sizes are limited to 1..200 points.
    w.interaction.QueueFont(workspace::FontChoice{QStringLiteral("IPAPGothic"), 2500});
    Control<QPushButton>(dialog, text_dialog_id::kFontButton)->click();
    EXPECT_EQ(w.settings.text.fontSize, 200);
    w.interaction.QueueFont(workspace::FontChoice{QStringLiteral("IPAPGothic"), 5});
    Control<QPushButton>(dialog, text_dialog_id::kFontButton)->click();
    EXPECT_EQ(w.settings.text.fontSize, 1);
    // Cancel puts the copy taken at opening back.
    dialog.reject();
    EXPECT_EQ(w.settings.text.fontSize, 12);
}

TEST_F(TextLayerDialogTest, ShadowBoxEnablesItsControlsButKeepsTheValues) {
    w.settings.text.shadow = 0;
    w.settings.text.shadowX = 7;
    TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    auto* box = Control<QCheckBox>(dialog, text_dialog_id::kShadow);
    EXPECT_FALSE(Control<QPushButton>(dialog, layers::text_dialog_id::kShadowColourButton)->isEnabled());
    EXPECT_FALSE(Control<NumberField>(dialog, layers::text_dialog_id::kShadowX)->isEnabled());
    EXPECT_FALSE(Control<NumberField>(dialog, layers::text_dialog_id::kShadowY)->isEnabled());
    EXPECT_TRUE(Control<widgets::ColourSwatch>(dialog, layers::text_dialog_id::kShadowColour)->isEnabled());
    box->click();
    EXPECT_EQ(w.settings.text.shadow, 1);
    EXPECT_TRUE(Control<QPushButton>(dialog, layers::text_dialog_id::kShadowColourButton)->isEnabled());
    EXPECT_TRUE(Control<NumberField>(dialog, layers::text_dialog_id::kShadowX)->isEnabled());
    w.interaction.QueueColour(QColor(0x10, 0x20, 0x30));
    Control<QPushButton>(dialog, text_dialog_id::kShadowColourButton)->click();
    EXPECT_EQ(w.settings.text.shadowColor, 0x302010u);
    EXPECT_EQ(Control<widgets::ColourSwatch>(dialog, text_dialog_id::kShadowColour)->Colour(), 0x302010u);
    EXPECT_EQ(w.interaction.colourRequests.at(0), QColor(0x80, 0x80, 0x80));
    box->click();
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    EXPECT_EQ(w.settings.text.shadow, 0);
    EXPECT_EQ(w.settings.text.shadowX, 7);
    EXPECT_EQ(w.settings.text.shadowColor, 0x302010u);
}

TEST_F(TextLayerDialogTest, TextFieldRefusesWhatTheRecordCannotHoldWithABeep) {
    TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    dialog.show();
    QLineEdit* edit = Control<QLineEdit>(dialog, text_dialog_id::kText);
    edit->clear();
    Commit(edit, QStringLiteral("あ\U0001F600い"));
    EXPECT_EQ(edit->text(), QStringLiteral("あい"));
    EXPECT_GE(w.interaction.beeps, 1);

    const int beeps = w.interaction.beeps;
    edit->setText(QString(252, QLatin1Char('z')));
    Commit(edit, QStringLiteral("あい"));  // 2 + 2 bytes: only the first fits
    EXPECT_EQ(edit->text(), QString(252, QLatin1Char('z')) + QStringLiteral("あ"));
    EXPECT_GT(w.interaction.beeps, beeps);
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    EXPECT_EQ(text::FieldView(w.settings.text.text).size(), 254u);
}

// Bytes that do not decode (0x85 0x40 has no character) survive an unchanged OK; an edit is not
// refused because of them and loses only them.
TEST_F(TextLayerDialogTest, UndecodableStoredBytesSurviveAnUnchangedOkAndDoNotBlockTyping) {
    const std::string stored = "A\x85\x40" "B";
    text::StoreField(w.settings.text.text, stored);
    {
        TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
        dialog.show();
        EXPECT_TRUE(Control<QLineEdit>(dialog, layers::text_dialog_id::kText)->text().contains(QChar::ReplacementCharacter));
        EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    }
    EXPECT_EQ(text::FieldView(w.settings.text.text), stored);

    TextLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    dialog.show();
    QLineEdit* edit = Control<QLineEdit>(dialog, text_dialog_id::kText);
    edit->end(false);
    Commit(edit, QStringLiteral("C"));
    EXPECT_TRUE(edit->text().endsWith(QStringLiteral("BC")));
    EXPECT_EQ(w.interaction.beeps, 0);
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    EXPECT_EQ(text::FieldView(w.settings.text.text), "A@BC");  // only the lone 0x85 is lost
}

}  // namespace
