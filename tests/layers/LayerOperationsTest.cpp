// Layer operations over the document: creation, limits, slot reuse, move, copy, delete, and the
// refresh and modified flag each change ends with.
#include <QLineEdit>
#include <gtest/gtest.h>

#include "LayerTestWorkspace.h"
#include "layers/TextLayerDialog.h"
#include "widgets/ControlId.h"
#include "text/FixedField.h"
#include "widgets/NumberField.h"

using namespace quillora;
using namespace quillora::layers;
using document::LayerKind;
using document::MoveDirection;
using workspace::Answer;

namespace {

const std::vector<std::string> kStackRefresh = {"scrollbar", "layers:all", "document"};

ScriptedInteraction::DialogScript TypeTextAndOk(const QString& text) {
    return [text](QDialog& dialog) {
        Control<QLineEdit>(dialog, text_dialog_id::kText)->setText(text);
        return ClickAndFinish(dialog, widgets::kOkId);
    };
}

int CancelDialog(QDialog& dialog) { return ClickAndFinish(dialog, widgets::kCancelId); }

class LayerOperationsTest : public ::testing::Test {
protected:
    LayerTestWorkspace w;
    QWidget owner;
    void SetUp() override { w.operations.SetMessageOwner(&owner); }
    void TearDown() override { EXPECT_TRUE(w.interaction.AllConsumed()); }
};

TEST_F(LayerOperationsTest, FirstTextLayerGoesBetweenListAndBackgroundInSlotTwo) {
    w.interaction.QueueDialog(TypeTextAndOk(QStringLiteral("abc")));
    w.operations.NewTextLayer();

    EXPECT_EQ(w.interaction.dialogTitles, std::vector<QString>{QStringLiteral("新規文字ﾚｲﾔｰ")});
    EXPECT_EQ(w.doc.state.layerCount, 3);
    EXPECT_EQ(w.doc.state.selectedPos, 1);
    EXPECT_EQ(w.doc.KindAt(0), LayerKind::List);
    EXPECT_EQ(w.SlotAt(1), 2);
    EXPECT_EQ(w.doc.KindAt(2), LayerKind::Background);
    const auto& layer = w.LayerAt(1);
    EXPECT_EQ(layer.kind, LayerKind::Text);
    EXPECT_EQ(layer.visible, 1);
    EXPECT_EQ(text::FieldView(layer.name), "abc");
    EXPECT_EQ(text::FieldView(layer.text), "abc");
    EXPECT_EQ(text::FieldView(layer.fontFace), text::FieldView(w.settings.text.fontFace));
    EXPECT_EQ(layer.fontSize, 12);
    EXPECT_EQ(layer.shadowColor, 0x808080u);
    EXPECT_TRUE(w.doc.documentModified);
    EXPECT_EQ(w.views.calls, kStackRefresh);
}

TEST_F(LayerOperationsTest, ContextMenuProposesTheClickedPoint) {
    w.interaction.QueueDialog([](QDialog& dialog) {
        EXPECT_EQ(Control<widgets::NumberField>(dialog, text_dialog_id::kPosX)->Value(), 12);
        EXPECT_EQ(Control<widgets::NumberField>(dialog, text_dialog_id::kPosY)->Value(), -7);
        return ClickAndFinish(dialog, widgets::kOkId);
    });
    w.operations.ProposeTextLayerAt(12, -7);
    w.operations.NewTextLayer();
    EXPECT_EQ(w.LayerAt(1).posX, 12);
    EXPECT_EQ(w.LayerAt(1).posY, -7);
}

TEST_F(LayerOperationsTest, FiftyPositionsRefuseNewTextPictureAndCopyBeforeAnyDialog) {
    w.FillTo(50);
    w.doc.state.selectedPos = 3;
    const auto order = w.doc.order;
    w.interaction.QueueAnswer(Answer::Ok);
    w.interaction.QueueAnswer(Answer::Ok);
    w.interaction.QueueAnswer(Answer::Ok);
    w.operations.NewTextLayer();
    w.operations.NewPictureLayer();
    w.operations.CopyLayer(3);

    ASSERT_EQ(w.interaction.messages.size(), 3u);
    for (const workspace::Message& m : w.interaction.messages) {
        EXPECT_EQ(m.text, QStringLiteral("これ以上ﾚｲﾔｰを増やす事はできません。不要なﾚｲﾔｰを削除して下さい。"));
        EXPECT_EQ(m.caption, QStringLiteral("ﾚｲﾔｰ作成"));
        EXPECT_EQ(m.icon, workspace::MessageIcon::Stop);
        EXPECT_EQ(m.buttons, workspace::MessageButtons::Ok);
        EXPECT_EQ(m.owner, &owner);
    }
    EXPECT_TRUE(w.interaction.dialogTitles.empty());
    EXPECT_EQ(w.doc.state.layerCount, 50);
    EXPECT_EQ(w.doc.order, order);
    EXPECT_FALSE(w.doc.documentModified);
    EXPECT_TRUE(w.views.calls.empty());
}

TEST_F(LayerOperationsTest, FortyNinePositionsAllowOneMoreLayer) {
    w.FillTo(49);
    w.interaction.QueueDialog(TypeTextAndOk(QStringLiteral("last")));
    w.operations.NewTextLayer();
    EXPECT_EQ(w.doc.state.layerCount, 50);
    EXPECT_TRUE(w.interaction.messages.empty());

    LayerTestWorkspace copyCase;
    copyCase.FillTo(49);
    copyCase.operations.CopyLayer(copyCase.doc.state.selectedPos);
    EXPECT_EQ(copyCase.doc.state.layerCount, 50);
}

TEST_F(LayerOperationsTest, CancelledDialogsLeaveNoTrace) {
    w.AddTextLayer("keep");
    const auto order = w.doc.order;
    const auto textBefore = w.settings.text;
    w.interaction.QueueDialog([](QDialog& dialog) {
        Control<QLineEdit>(dialog, text_dialog_id::kText)->setText(QStringLiteral("typed"));
        return CancelDialog(dialog);
    });
    w.interaction.QueueDialog(CancelDialog);
    w.operations.NewTextLayer();
    w.operations.NewPictureLayer();

    EXPECT_EQ(w.doc.state.layerCount, 3);
    EXPECT_EQ(w.doc.order, order);
    EXPECT_EQ(w.doc.FindFreeSlot(), 3);
    EXPECT_EQ(text::FieldView(w.settings.text.text), text::FieldView(textBefore.text));
    EXPECT_FALSE(w.doc.documentModified);
    EXPECT_TRUE(w.views.calls.empty());
    EXPECT_FALSE(w.flags.Any());
}

TEST_F(LayerOperationsTest, DeleteAsksWithNoAsDefaultAndFreedSlotIsReusedFirst) {
    w.AddTextLayer("a");  // slot 2
    w.AddTextLayer("b");  // slot 3, above a
    w.AddTextLayer("c");  // slot 4, above b
    const int posOfA = 3;
    ASSERT_EQ(w.SlotAt(posOfA), 2);

    w.interaction.QueueAnswer(Answer::No);
    w.operations.DeleteLayer(posOfA);
    ASSERT_EQ(w.interaction.messages.size(), 1u);
    const workspace::Message& question = w.interaction.messages[0];
    EXPECT_EQ(question.text, QStringLiteral("ﾚｲﾔｰ：「a」を削除します。よろしいですか？"));
    EXPECT_EQ(question.caption, QStringLiteral("ﾚｲﾔｰ削除"));
    EXPECT_EQ(question.icon, workspace::MessageIcon::Question);
    EXPECT_EQ(question.buttons, workspace::MessageButtons::YesNo);
    EXPECT_EQ(question.defaultButton, Answer::No);
    EXPECT_EQ(question.owner, &owner);
    EXPECT_EQ(w.doc.state.layerCount, 5);
    EXPECT_TRUE(w.views.calls.empty());

    w.interaction.QueueAnswer(Answer::Yes);
    w.operations.DeleteLayer(posOfA);
    EXPECT_EQ(w.doc.state.layerCount, 4);
    EXPECT_EQ(w.doc.layers[2].kind, LayerKind::Free);
    EXPECT_EQ(w.views.calls, kStackRefresh);
    EXPECT_TRUE(w.doc.documentModified);

    w.doc.state.selectedPos = 0;
    w.interaction.QueueDialog(TypeTextAndOk(QStringLiteral("new")));
    w.operations.NewTextLayer();
    EXPECT_EQ(w.SlotAt(0), 2);
}

TEST_F(LayerOperationsTest, DeletingAboveTheBackgroundSelectsItAndScrolledListMovesUp) {
    w.FillTo(13);
    w.doc.state.firstVisiblePos = 3;
    w.doc.state.selectedPos = 11;  // directly above the background
    w.interaction.QueueAnswer(Answer::Yes);
    w.operations.DeleteLayer(11);
    EXPECT_EQ(w.doc.state.layerCount, 12);
    EXPECT_EQ(w.doc.state.selectedPos, 11);
    EXPECT_EQ(w.doc.KindAt(11), LayerKind::Background);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 2);
}

TEST_F(LayerOperationsTest, FixedLayersAreNeitherDeletedNorCopied) {
    w.AddTextLayer("a");
    w.operations.DeleteLayer(0);  // list
    w.operations.DeleteLayer(2);  // background
    w.operations.CopyLayer(0);
    w.operations.CopyLayer(2);
    EXPECT_EQ(w.doc.state.layerCount, 3);
    EXPECT_TRUE(w.interaction.messages.empty());
    EXPECT_TRUE(w.views.calls.empty());
}

TEST_F(LayerOperationsTest, MovesStopAtTheTopAndAboveTheBackground) {
    w.AddTextLayer("a");
    w.doc.state.selectedPos = 0;
    w.AddTextLayer("b");  // positions: b, list, a, background
    const auto order = w.doc.order;
    w.operations.MoveLayer(0, MoveDirection::Up);
    w.operations.MoveLayer(2, MoveDirection::Down);
    w.operations.MoveLayer(3, MoveDirection::Up);    // the background
    w.operations.MoveLayer(3, MoveDirection::Down);
    EXPECT_EQ(w.doc.order, order);
    EXPECT_TRUE(w.views.calls.empty());
    EXPECT_FALSE(w.doc.documentModified);

    // The list layer moves like any other, and stays selected.
    w.doc.state.selectedPos = 1;
    w.operations.MoveLayer(1, MoveDirection::Down);
    EXPECT_EQ(w.doc.KindAt(2), LayerKind::List);
    EXPECT_EQ(w.doc.state.selectedPos, 2);
    EXPECT_EQ(w.views.calls, (std::vector<std::string>{"layers:reorder", "document"}));
    EXPECT_TRUE(w.doc.documentModified);
    w.operations.MoveLayer(2, MoveDirection::Up);
    w.operations.MoveLayer(1, MoveDirection::Up);
    EXPECT_EQ(w.doc.KindAt(0), LayerKind::List);
    EXPECT_EQ(w.doc.state.selectedPos, 0);
}

TEST_F(LayerOperationsTest, CopyOfAHiddenLayerIsHiddenAndLandsAboveItsSource) {
    int source = w.AddTextLayer("shy");
    w.doc.layers[source].visible = 0;
    w.operations.CopyLayer(1);
    EXPECT_EQ(w.doc.state.layerCount, 4);
    EXPECT_EQ(w.doc.state.selectedPos, 1);
    int copy = w.SlotAt(1);
    EXPECT_NE(copy, source);
    EXPECT_EQ(w.SlotAt(2), source);
    EXPECT_EQ(w.doc.layers[copy].visible, 0);
    EXPECT_EQ(text::FieldView(w.doc.layers[copy].name), "shy");
    EXPECT_EQ(w.views.calls, kStackRefresh);
    EXPECT_TRUE(w.interaction.messages.empty());
}

TEST_F(LayerOperationsTest, ConfirmingAHiddenTextLayerShowsItAndRenamesIt) {
    int slot = w.AddTextLayer("old");
    w.doc.layers[slot].visible = 0;
    w.doc.layers[slot].fontColor = 0x123456;
    w.interaction.QueueDialog([](QDialog& dialog) {
        EXPECT_EQ(Control<QLineEdit>(dialog, text_dialog_id::kText)->text(), QStringLiteral("old"));
        Control<QLineEdit>(dialog, text_dialog_id::kText)->setText(QStringLiteral("renamed"));
        return ClickAndFinish(dialog, widgets::kOkId);
    });
    w.operations.EditLayerProperties(1);
    EXPECT_EQ(w.interaction.dialogTitles, std::vector<QString>{QStringLiteral("文字ﾚｲﾔｰの設定")});
    EXPECT_EQ(w.doc.layers[slot].visible, 1);
    EXPECT_EQ(text::FieldView(w.doc.layers[slot].name), "renamed");
    EXPECT_EQ(w.doc.layers[slot].fontColor, 0x123456u);
    EXPECT_EQ(w.settings.text.fontColor, 0x123456u);  // the next new layer starts from these
    EXPECT_EQ(w.views.calls, (std::vector<std::string>{"layers:selection", "document"}));
    EXPECT_EQ(w.operations.EditedSlot(), -1);
}

TEST_F(LayerOperationsTest, ANameKeepsFortyNineBytesEvenInsideADoubleByteCharacter) {
    const std::string text = std::string(48, 'x') + Sjis("あい");
    w.interaction.QueueDialog(TypeTextAndOk(QString::fromStdString(std::string(48, 'x')) + QStringLiteral("あい")));
    w.operations.NewTextLayer();
    const auto& layer = w.LayerAt(1);
    EXPECT_EQ(text::FieldView(layer.text), text);
    EXPECT_EQ(text::FieldView(layer.name), text.substr(0, 49));
    EXPECT_EQ(static_cast<unsigned char>(layer.name[48]), 0x82u);  // the lead byte of あ alone
}

TEST_F(LayerOperationsTest, AnOpenDialogOfTheSameKindOnlyBeeps) {
    w.AddTextLayer("t");
    w.AddPictureLayer("p");  // position 1
    w.flags.textDialogOpen = true;
    w.operations.NewTextLayer();
    w.operations.EditLayerProperties(2);
    w.flags.textDialogOpen = false;
    w.flags.pictureDialogOpen = true;
    w.operations.NewPictureLayer();
    w.operations.EditLayerProperties(1);
    w.flags.pictureDialogOpen = false;
    w.flags.listSheetOpen = true;
    w.operations.EditLayerProperties(0);
    w.flags.listSheetOpen = false;
    w.flags.backgroundDialogOpen = true;
    w.operations.EditLayerProperties(3);
    EXPECT_EQ(w.interaction.beeps, 6);
    EXPECT_TRUE(w.interaction.dialogTitles.empty());
    EXPECT_EQ(w.doc.state.layerCount, 4);
}

TEST_F(LayerOperationsTest, BackgroundRowOpensTheBackgroundDialogAndTheListRowTheListSheet) {
    w.interaction.QueueDialog(CancelDialog);
    w.operations.EditLayerProperties(1);
    bool flagWhileOpen = false;
    w.interaction.QueueDialog([&](QDialog& sheet) {
        flagWhileOpen = w.flags.listSheetOpen;
        sheet.reject();
        return int(QDialog::Rejected);
    });
    w.operations.EditLayerProperties(0);
    EXPECT_EQ(w.interaction.dialogTitles,
              (std::vector<QString>{QStringLiteral("背景ﾚｲﾔｰの設定"), QStringLiteral("ﾘｽﾄﾚｲﾔｰの設定")}));
    EXPECT_TRUE(flagWhileOpen);
    EXPECT_FALSE(w.flags.listSheetOpen);
    EXPECT_EQ(w.interaction.beeps, 0);
}

TEST_F(LayerOperationsTest, NothingHappensWithoutADocument) {
    w.doc.Reset();
    w.operations.NewTextLayer();
    w.operations.NewPictureLayer();
    w.operations.EditLayerProperties(0);
    w.operations.CopyLayer(0);
    w.operations.DeleteLayer(0);
    w.operations.MoveLayer(0, MoveDirection::Down);
    w.operations.ShowBackgroundSettings();
    EXPECT_TRUE(w.interaction.dialogTitles.empty());
    EXPECT_TRUE(w.views.calls.empty());
    EXPECT_EQ(w.interaction.beeps, 0);
}

}  // namespace
