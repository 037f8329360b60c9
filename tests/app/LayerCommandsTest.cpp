// The layer commands reach the layer operations from the frame's menu, the document window's
// menu and the layer window, and every change shows in the layer window.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <map>

#include "AppFixture.h"
#include "print/PrintControlIds.h"
#include "layers/LayerWindow.h"
#include "layers/BackgroundLayerDialog.h"
#include "layers/TextLayerDialog.h"
#include "document/Records.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "view/LabelView.h"

using namespace quillora;
using Answer = workspace::Answer;

namespace {

// Confirms the new-text-layer dialog with a typed text.
void QueueTextDialog(ScriptedInteraction& interaction, const QString& text) {
    interaction.QueueDialog([text](QDialog& dialog) {
        FindChild<QLineEdit>(dialog, layers::text_dialog_id::kText).setText(text);
        FindChild<QPushButton>(dialog, widgets::kOkId).click();
        return dialog.result();
    });
}

QString CountText(QWidget* layerWindow) { return FindChild<QLabel>(*layerWindow, quillora::layers::layer_window_id::kCount).text(); }

std::string LayerName(const document::LabelDocument& doc, int pos) {
    return text::Cp932ToUtf8(text::FieldView(doc.LayerAt(pos)->name));
}

}  // namespace

using LayerCommands = AppFixture;

TEST_F(LayerCommands, FrameMenuCommandsChangeTheStackAndTheLayerWindowFollows) {
    LaunchQuietly();
    QWidget* layerWindow = app->LayerWindow();
    ASSERT_NE(layerWindow, nullptr);
    EXPECT_EQ(CountText(layerWindow), QString());

    NewDocument();
    EXPECT_EQ(CountText(layerWindow), QStringLiteral("ﾚｲﾔｰ数： 02/50"));
    EXPECT_FALSE(Enabled(quillora::commands::CommandId::CopyLayer));  // the background is selected

    QueueTextDialog(interaction, QStringLiteral("Side A"));
    app->Commands().RunIfEnabled(quillora::commands::CommandId::NewTextLayer);
    EXPECT_EQ(app->Doc().state.layerCount, 3);
    EXPECT_EQ(app->Doc().SlotAt(1), 2);
    EXPECT_EQ(LayerName(app->Doc(), 1), "Side A");
    EXPECT_TRUE(app->Doc().documentModified);
    EXPECT_EQ(CountText(layerWindow), QStringLiteral("ﾚｲﾔｰ数： 03/50"));
    EXPECT_TRUE(Enabled(quillora::commands::CommandId::CopyLayer));
    EXPECT_TRUE(Enabled(quillora::commands::CommandId::MoveUp));
    EXPECT_FALSE(Enabled(quillora::commands::CommandId::MoveDown));  // directly above the background

    app->Commands().RunIfEnabled(quillora::commands::CommandId::CopyLayer);
    EXPECT_EQ(app->Doc().state.layerCount, 4);
    EXPECT_EQ(app->Doc().SlotAt(1), 3);

    app->Commands().RunIfEnabled(quillora::commands::CommandId::MoveUp);
    EXPECT_EQ(app->Doc().SlotAt(0), 3);
    EXPECT_EQ(app->Doc().state.selectedPos, 0);
    EXPECT_FALSE(Enabled(quillora::commands::CommandId::MoveUp));

    interaction.QueueAnswer(Answer::Yes);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::DeleteLayer);
    EXPECT_EQ(app->Doc().state.layerCount, 3);
    ASSERT_FALSE(interaction.messages.empty());
    EXPECT_EQ(interaction.messages.back().caption, QStringLiteral("ﾚｲﾔｰ削除"));
    EXPECT_EQ(interaction.messages.back().owner, layerWindow);
    EXPECT_EQ(CountText(layerWindow), QStringLiteral("ﾚｲﾔｰ数： 03/50"));

    // Closing without saving empties the layer window again.
    interaction.QueueAnswer(Answer::No);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Close);
    EXPECT_EQ(CountText(layerWindow), QString());
}

TEST_F(LayerCommands, ContextMenuProposesTheClickedPointAndBackgroundOpensItsDialog) {
    LaunchQuietly();
    NewDocument();
    view::LabelView* view = app->DocumentWindow()->View();

    QueueTextDialog(interaction, QStringLiteral("here"));
    app->Commands().RunAtPointIfEnabled(quillora::commands::CommandId::NewTextLayer, 20, 15);
    ASSERT_EQ(app->Doc().state.layerCount, 3);
    const document::LayerRecord* layer = app->Doc().LayerAt(1);
    EXPECT_EQ(layer->posX, 20);
    EXPECT_EQ(layer->posY, 15);

    bool dialogShown = false;
    interaction.QueueDialog([&dialogShown](QDialog& dialog) {
        dialogShown = dialog.windowTitle() == QStringLiteral("背景ﾚｲﾔｰの設定");
        dialog.reject();
        return dialog.result();
    });
    view->SetMenuRunner([](QMenu&, const QPoint&) { return 40063; });
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_TRUE(dialogShown);
}

TEST_F(LayerCommands, LayerWindowPlaceAndVisibilityAreKeptInTheSettings) {
    LaunchQuietly();
    QWidget* layerWindow = app->LayerWindow();
    layerWindow->move(321, 123);
    layerWindow->close();  // the close box hides it and clears its flag
    EXPECT_FALSE(layerWindow->isVisible());
    EXPECT_EQ(app->Settings().layerWindow.view, 0);
    ASSERT_TRUE(app->Exit());

    LaunchQuietly();
    EXPECT_EQ(app->Settings().layerWindow.view, 0);
    EXPECT_FALSE(app->LayerWindow()->isVisible());
    EXPECT_EQ(app->LayerWindow()->pos(), QPoint(321, 123));
}

// The frame's shortcuts act while a floating window is the active one, and not while a dialog is
// modal to the frame.
TEST_F(LayerCommands, ShortcutsActFromTheFloatingWindows) {
    LaunchQuietly();
    QWidget* tool = app->ToolWindow();
    tool->show();
    tool->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tool));
    QueueNewLabelSize("120", "30");
    QTest::keyClick(tool->windowHandle(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(app->Doc().documentOpen);

    QueueTextDialog(interaction, QStringLiteral("Side A"));
    app->Commands().RunIfEnabled(commands::CommandId::NewTextLayer);
    QWidget* layerWindow = app->LayerWindow();
    layerWindow->show();
    layerWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(layerWindow));
    QTest::keyClick(layerWindow->windowHandle(), Qt::Key_C, Qt::ShiftModifier);
    EXPECT_EQ(app->Doc().state.layerCount, 4);
    QTest::keyClick(layerWindow->windowHandle(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(app->Doc().state.selectedPos, 0);

    QDialog modal(&app->Frame());
    modal.setWindowModality(Qt::WindowModal);
    modal.show();
    layerWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(layerWindow));
    QTest::keyClick(layerWindow->windowHandle(), Qt::Key_Delete, Qt::ShiftModifier);  // no question asked
    EXPECT_EQ(app->Doc().state.layerCount, 4);
    modal.close();

    interaction.QueueAnswer(Answer::Yes);
    layerWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(layerWindow));
    QTest::keyClick(layerWindow->windowHandle(), Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(app->Doc().state.layerCount, 3);
}

TEST_F(LayerCommands, PrintAndLayerMenusAreGreyedWholeWithoutADocument) {
    LaunchQuietly();
    std::map<QString, bool> titles;
    const auto readTitles = [&] {
        for (QAction* menu : app->Frame().menuBar()->actions()) titles[menu->text()] = menu->isEnabled();
    };
    readTitles();
    EXPECT_FALSE(titles.at(QStringLiteral("印刷(&P)")));
    EXPECT_FALSE(titles.at(QStringLiteral("ﾚｲﾔｰ(&L)")));
    EXPECT_TRUE(titles.at(QStringLiteral("ﾌｧｲﾙ(&F)")));
    EXPECT_TRUE(titles.at(QStringLiteral("表示(&V)")));
    NewDocument();
    readTitles();
    EXPECT_TRUE(titles.at(QStringLiteral("印刷(&P)")));
    EXPECT_TRUE(titles.at(QStringLiteral("ﾚｲﾔｰ(&L)")));
}
