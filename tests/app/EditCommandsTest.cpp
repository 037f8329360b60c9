// Undo and redo through the frame's commands: each kind of edit taken back and made again with
// the label, selection and scroll as they were, the captions and greying, the modified flag
// against the saved file, and the history that New, Open and Close empty.
#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QCheckBox>
#include <QTabWidget>

#include "AppFixture.h"
#include "print/PrintControlIds.h"
#include "layers/LayerWindow.h"
#include "layers/BackgroundLayerDialog.h"
#include "layers/TextLayerDialog.h"
#include "listlayer/EntryTextEdit.h"
#include "widgets/PropertySheet.h"
#include "history/EditHistory.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "listlayer/ListSheetIds.h"

using namespace quillora;
using commands::CommandId;
using Answer = workspace::Answer;

namespace {

class EditCommands : public AppFixture {
protected:
    void AddTextLayer(const QString& text) {
        interaction.QueueDialog([text](QDialog& dialog) {
            FindChild<QLineEdit>(dialog, layers::text_dialog_id::kText).setText(text);
            FindChild<QPushButton>(dialog, widgets::kOkId).click();
            return dialog.result();
        });
        app->Commands().RunIfEnabled(CommandId::NewTextLayer);
    }

    std::string NameAt(int pos) { return text::Cp932ToUtf8(text::FieldView(app->Doc().LayerAt(pos)->name)); }
    QString Caption(CommandId id) { return app->Commands().Action(id)->text(); }
    void Undo() { app->Commands().RunIfEnabled(CommandId::Undo); }
    void Redo() { app->Commands().RunIfEnabled(CommandId::Redo); }
};

TEST_F(EditCommands, EachLayerEditIsOneStepWithTheLabelSelectionAndScrollPutBack) {
    LaunchQuietly();
    NewDocument();
    for (int i = 0; i < 12; ++i) AddTextLayer(QStringLiteral("t%1").arg(i));
    ASSERT_EQ(app->Doc().state.layerCount, 14);
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：新規文字ﾚｲﾔｰ\tCtrl+Z"));

    // The stack scrolled and a layer further down selected before the move, as the layer window does.
    app->Doc().state.firstVisiblePos = 3;
    app->Doc().state.selectedPos = 5;
    app->Doc().CommitViewMove();
    const document::DocState before = app->Doc().state;
    const std::string movedName = NameAt(5);
    app->Commands().RunIfEnabled(CommandId::MoveUp);
    EXPECT_EQ(NameAt(4), movedName);
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：ﾚｲﾔｰ移動\tCtrl+Z"));

    interaction.QueueAnswer(Answer::Yes);
    app->Commands().RunIfEnabled(CommandId::DeleteLayer);
    EXPECT_EQ(app->Doc().state.layerCount, 13);
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：ﾚｲﾔｰ削除\tCtrl+Z"));

    app->Commands().RunIfEnabled(CommandId::CopyLayer);
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：ﾚｲﾔｰｺﾋﾟｰ\tCtrl+Z"));
    Undo();
    Undo();
    EXPECT_EQ(app->Doc().state.layerCount, 14);
    EXPECT_EQ(NameAt(4), movedName);
    Undo();
    EXPECT_EQ(NameAt(5), movedName);
    EXPECT_EQ(app->Doc().state.selectedPos, before.selectedPos);
    EXPECT_EQ(app->Doc().state.firstVisiblePos, before.firstVisiblePos);
    EXPECT_EQ(Caption(CommandId::Redo), QStringLiteral("やり直し(&R)：ﾚｲﾔｰ移動\tCtrl+Y"));
    // The layer window shows the restored stack.
    EXPECT_EQ(FindChild<QLabel>(*app->LayerWindow(), quillora::layers::layer_window_id::kCount).text(), QStringLiteral("ﾚｲﾔｰ数： 14/50"));

    Redo();
    Redo();
    EXPECT_EQ(app->Doc().state.layerCount, 13);
    EXPECT_EQ(Caption(CommandId::Redo), QStringLiteral("やり直し(&R)：ﾚｲﾔｰｺﾋﾟｰ\tCtrl+Y"));

    // A new step drops the copy that could have been made again.
    AddTextLayer(QStringLiteral("late"));
    EXPECT_FALSE(Enabled(CommandId::Redo));
    EXPECT_EQ(Caption(CommandId::Redo), QStringLiteral("やり直し(&R)\tCtrl+Y"));
}

TEST_F(EditCommands, LampAndDialogApplyAreStepsAndTheLampLeavesTheFlag) {
    LaunchQuietly();
    NewDocument();
    AddTextLayer(QStringLiteral("old"));
    interaction.QueueSaveFile(QString::fromStdString(dir.File("label.qlr")));
    app->Commands().RunIfEnabled(CommandId::SaveAs);
    ASSERT_FALSE(app->Doc().documentModified);

    const int slot = app->Doc().SlotAt(1);
    FindChild<QAbstractButton>(*app->LayerWindow(), layers::layer_window_id::LampId(1)).click();  // the lamp of row 1
    EXPECT_EQ(app->Doc().layers[slot].visible, 0);
    EXPECT_FALSE(app->Doc().documentModified);
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：表示切替\tCtrl+Z"));

    // Apply in the settings dialog, then Cancel: the applied text is one step.
    interaction.QueueDialog([](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, layers::text_dialog_id::kText).setText(QStringLiteral("new"));
        FindChild<QPushButton>(dialog, layers::text_dialog_id::kApply).click();
        dialog.reject();
        return dialog.result();
    });
    app->Commands().RunIfEnabled(CommandId::LayerSettings);
    EXPECT_EQ(NameAt(1), "new");
    EXPECT_TRUE(app->Doc().documentModified);
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：文字ﾚｲﾔｰの設定\tCtrl+Z"));

    Undo();
    EXPECT_EQ(NameAt(1), "old");
    EXPECT_EQ(app->Doc().layers[slot].visible, 0);
    EXPECT_FALSE(app->Doc().documentModified);  // as saved, but for a lamp
    Undo();
    EXPECT_EQ(app->Doc().layers[slot].visible, 1);
    EXPECT_FALSE(app->Doc().documentModified);  // exactly as saved: no question at exit
    Undo();
    EXPECT_EQ(app->Doc().state.layerCount, 2);
    EXPECT_TRUE(app->Doc().documentModified);
    Redo();
    EXPECT_FALSE(app->Doc().documentModified);
    EXPECT_FALSE(Enabled(CommandId::Save));
}

// The sheet's pages each apply, yet its OK is one step; the other settings dialogs are one step too.
TEST_F(EditCommands, SheetBackgroundAndPrintSettingsOkAreOneStepEach) {
    LaunchQuietly();
    NewDocument();
    interaction.QueueDialog([](QDialog& dialog) {
        auto& sheet = static_cast<widgets::PropertySheet&>(dialog);
        FindChild<listlayer::EntryTextEdit>(sheet, quillora::listlayer::list_sheet_id::kEntryText).setPlainText(QStringLiteral("Opening"));
        FindChild<QPushButton>(sheet, quillora::listlayer::list_sheet_id::kAdd).click();
        sheet.Tabs()->setCurrentIndex(1);
        sheet.Tabs()->setCurrentIndex(2);
        FindChild<widgets::NumberField>(sheet, quillora::listlayer::list_sheet_id::kLineGap).SetValue(5);
        sheet.accept();
        return sheet.result();
    });
    app->Commands().RunIfEnabled(CommandId::ListLayer);
    ASSERT_EQ(app->Doc().list.lineGap, 5);
    EXPECT_EQ(app->History().StepCount(), 1);
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：ﾘｽﾄﾚｲﾔｰの設定\tCtrl+Z"));

    interaction.QueueDialog([](QDialog& dialog) {
        FindChild<QCheckBox>(dialog, layers::background_dialog_id::kBorder).click();
        dialog.accept();
        return dialog.result();
    });
    app->Commands().RunIfEnabled(CommandId::BackgroundLayer);
    const std::int32_t border = app->Doc().state.borderLine;
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：背景ﾚｲﾔｰの設定\tCtrl+Z"));

    const std::int32_t marginTop = app->Doc().header.marginTop;
    interaction.QueueDialog([](QDialog& dialog) {
        FindChild<widgets::NumberField>(dialog, print::kIdMarginTop).SetValue(12);
        dialog.accept();
        return dialog.result();
    });
    app->Commands().RunIfEnabled(CommandId::PrintSettings);
    ASSERT_EQ(app->Doc().header.marginTop, 12);
    ASSERT_NE(marginTop, 12);
    EXPECT_EQ(app->History().StepCount(), 3);
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)：印刷設定\tCtrl+Z"));

    Undo();
    EXPECT_EQ(app->Doc().header.marginTop, marginTop);
    EXPECT_EQ(app->Doc().state.borderLine, border);
    Undo();
    EXPECT_NE(app->Doc().state.borderLine, border);
    EXPECT_EQ(app->Doc().list.lineGap, 5);
    Undo();
    EXPECT_EQ(app->Doc().list.lineGap, 0);
    EXPECT_EQ(std::string(text::FieldView(app->Doc().list.entryText[0])), "");
    EXPECT_FALSE(app->Doc().documentModified);
}

TEST_F(EditCommands, GreyedWithoutADocumentAndWhileADialogIsOpen) {
    LaunchQuietly();
    EXPECT_FALSE(Enabled(CommandId::Undo));
    EXPECT_FALSE(Enabled(CommandId::Redo));
    EXPECT_EQ(Caption(CommandId::Undo), QStringLiteral("元に戻す(&U)\tCtrl+Z"));
    const QList<QKeySequence> redoKeys = app->Commands().Action(CommandId::Redo)->shortcuts();
    EXPECT_TRUE(redoKeys.contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_TRUE(redoKeys.contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    EXPECT_EQ(app->Commands().Action(CommandId::Undo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));

    NewDocument();
    EXPECT_FALSE(Enabled(CommandId::Undo));
    AddTextLayer(QStringLiteral("a"));
    EXPECT_TRUE(Enabled(CommandId::Undo));
    app->Flags().listSheetOpen = true;
    app->Commands().UpdateStates();
    EXPECT_FALSE(Enabled(CommandId::Undo));
    Undo();  // refused by the rule
    EXPECT_EQ(app->Doc().state.layerCount, 3);
    app->Flags().listSheetOpen = false;
    Undo();
    EXPECT_EQ(app->Doc().state.layerCount, 2);
    EXPECT_TRUE(Enabled(CommandId::Redo));
    EXPECT_FALSE(Enabled(CommandId::Undo));
}

TEST_F(EditCommands, NewOpenAndCloseStartAnEmptyHistory) {
    LaunchQuietly();
    NewDocument();
    AddTextLayer(QStringLiteral("a"));
    AddTextLayer(QStringLiteral("b"));
    Undo();
    interaction.QueueSaveFile(QString::fromStdString(dir.File("label.qlr")));
    app->Commands().RunIfEnabled(CommandId::SaveAs);

    app->Commands().RunIfEnabled(CommandId::Close);
    EXPECT_FALSE(app->History().CanUndo());
    EXPECT_FALSE(app->History().CanRedo());

    interaction.QueueOpenFile(QString::fromStdString(dir.File("label.qlr")));
    app->Commands().RunIfEnabled(CommandId::Open);
    ASSERT_TRUE(app->Doc().documentOpen);
    EXPECT_EQ(app->History().StepCount(), 0);
    AddTextLayer(QStringLiteral("c"));
    Undo();
    EXPECT_EQ(app->Doc().state.layerCount, 3);  // the file as opened
    EXPECT_FALSE(app->Doc().documentModified);

    interaction.QueueAnswer(Answer::No);
    Redo();
    app->Commands().RunIfEnabled(CommandId::Close);
    NewDocument();
    EXPECT_EQ(app->History().StepCount(), 0);
    EXPECT_FALSE(Enabled(CommandId::Redo));
}

}  // namespace
