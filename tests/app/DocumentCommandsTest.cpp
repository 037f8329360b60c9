#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QMimeData>
#include <QDropEvent>
#include <QUrl>

#include "AppFixture.h"
#include "Fifo.h"
#include "document/DocumentFile.h"
#include "windows/PositionWindow.h"
#include "view/LabelView.h"

using namespace quillora;
using Answer = workspace::Answer;

namespace {

const QString kSaveQuestion = QStringLiteral("編集中のﾄﾞｷｭﾒﾝﾄは更新されています。保存しますか？");

void DropFile(QWidget& target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    // Qt delivers a drop to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
}

}  // namespace

using DocumentCommands = AppFixture;

TEST_F(DocumentCommands, NewDocumentShowsTheLabelInAFittedTitledWindow) {
    LaunchQuietly();
    NewDocument();
    ASSERT_NE(app->DocumentWindow(), nullptr);
    EXPECT_EQ(app->DocumentWindow()->windowTitle(), QStringLiteral("ﾗﾍﾞﾙ [外径120mm：内径30mm]"));
    EXPECT_EQ(app->DocumentWindow()->View()->ClientSize(), QSize(395, 395));
    EXPECT_TRUE(app->Doc().documentOpen);
    EXPECT_FALSE(app->Doc().documentModified);
    EXPECT_EQ(app->Doc().state.layerCount, 2);
    EXPECT_EQ(app->Frame().windowTitle(), QStringLiteral("Quillora"));

    // The window menu lists the document window after its own items.
    auto* windowMenu = qobject_cast<QMenu*>(
        app->Commands().Action(quillora::commands::CommandId::ArrangeWindows)->associatedObjects().front());
    ASSERT_NE(windowMenu, nullptr);
    emit windowMenu->aboutToShow();
    emit windowMenu->aboutToShow();
    ASSERT_EQ(windowMenu->actions().size(), 4);
    EXPECT_EQ(windowMenu->actions().last()->text(), QStringLiteral("&1 ﾗﾍﾞﾙ [外径120mm：内径30mm]"));

    // Shrinking the window and fitting it again restores the client area.
    app->DocumentWindow()->resize(200, 150);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::FitDocument);
    EXPECT_EQ(app->DocumentWindow()->View()->ClientSize(), QSize(395, 395));
}

TEST_F(DocumentCommands, NewDocumentKeepsDiametersWithinOneToThreeHundred) {
    LaunchQuietly();
    NewDocument("0", "500");
    EXPECT_EQ(app->Doc().header.outerDiameter, 1);
    EXPECT_EQ(app->Doc().header.innerDiameter, 300);
    EXPECT_EQ(app->DocumentWindow()->windowTitle(), QStringLiteral("ﾗﾍﾞﾙ [外径1mm：内径300mm]"));
    EXPECT_EQ(app->DocumentWindow()->View()->ClientSize(), QSize(38, 38));
}

TEST_F(DocumentCommands, ShortcutsFollowTheGreying) {
    LaunchQuietly();
    app->Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app->Frame()));
    QueueNewLabelSize("120", "30");
    QTest::keyClick(&app->Frame(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(app->Doc().documentOpen);

    // New is greyed now: its shortcut runs no dialog (an unexpected one would fail the test).
    QTest::keyClick(&app->Frame(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(interaction.dialogTitles.size(), 1u);

    // Ctrl+G switches the grid, which is available with a document.
    QTest::keyClick(&app->Frame(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(app->Settings().grid.visible, 1);
}

TEST_F(DocumentCommands, PositionWindowFollowsTheMouseOverTheLabel) {
    LaunchQuietly();
    NewDocument();
    auto* position = static_cast<windows::PositionWindow*>(app->PositionWindow());
    QWidget* viewport = app->DocumentWindow()->View()->viewport();
    const int origin = app->Doc().state.viewOriginX;  // 395 x 395: (395 - 375) / 2 + 15
    ASSERT_EQ(origin, 25);
    QTest::mouseMove(viewport, QPoint(origin + 60, origin + 31));
    EXPECT_EQ(position->XValue()->text(), QStringLiteral("20mm "));
    EXPECT_EQ(position->YValue()->text(), QStringLiteral("10mm "));
    QTest::mouseMove(viewport, QPoint(5, 100));
    EXPECT_EQ(position->XValue()->text(), QStringLiteral("---- mm "));

    QTest::mouseMove(viewport, QPoint(origin + 60, origin + 31));
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Close);
    EXPECT_EQ(position->YValue()->text(), QStringLiteral("---- mm "));
}

TEST_F(DocumentCommands, CancelledNewDocumentLeavesNoDocumentAndStillTakesDrops) {
    LaunchQuietly();
    QueueCancelledDialog();
    app->Commands().RunIfEnabled(quillora::commands::CommandId::New);
    EXPECT_FALSE(app->Doc().documentOpen);
    EXPECT_EQ(app->DocumentWindow(), nullptr);
    EXPECT_TRUE(app->Frame().DropsAccepted());
}

TEST_F(DocumentCommands, MenuStatesFollowTheDocument) {
    using enum commands::CommandId;
    LaunchQuietly();
    for (commands::CommandId id : {New, Open, Exit, Help, ToolWindow, ArrangeWindows}) EXPECT_TRUE(Enabled(id)) << static_cast<int>(id);
    for (commands::CommandId id : {Close, Save, SaveAs, Print, PrintPreview, NewTextLayer, MoveUp, Grid, FitDocument})
        EXPECT_FALSE(Enabled(id)) << static_cast<int>(id);
    EXPECT_TRUE(app->Commands().Action(quillora::commands::CommandId::ToolWindow)->isChecked());

    NewDocument();
    for (commands::CommandId id : {Close, SaveAs, Print, NewTextLayer, ListLayer, Grid, FitDocument}) EXPECT_TRUE(Enabled(id)) << static_cast<int>(id);
    EXPECT_FALSE(Enabled(New));
    EXPECT_FALSE(Enabled(Open));
    // New, unsaved and modified: saved through Save As only.
    app->Doc().documentModified = true;
    app->RefreshDocumentView();
    EXPECT_FALSE(Enabled(Save));

    // The background is selected: it neither moves nor can be copied or deleted.
    EXPECT_FALSE(Enabled(MoveUp));
    EXPECT_FALSE(Enabled(MoveDown));
    EXPECT_FALSE(Enabled(DeleteLayer));

    // A text layer between the list and the background, selected.
    auto& doc = app->Doc();
    const int slot = doc.FindFreeSlot();
    doc.layers[slot].kind = document::LayerKind::Text;
    doc.InsertAtSelection(slot);
    app->RefreshLayerWindow(workspace::LayerWindowRegion::All);
    EXPECT_EQ(doc.state.selectedPos, 1);
    EXPECT_TRUE(Enabled(MoveUp));
    EXPECT_FALSE(Enabled(MoveDown));  // directly above the background
    EXPECT_TRUE(Enabled(DeleteLayer));
    EXPECT_TRUE(Enabled(CopyLayer));

    // The list layer on top.
    doc.state.selectedPos = 0;
    app->RefreshLayerWindow(workspace::LayerWindowRegion::Selection);
    EXPECT_FALSE(Enabled(MoveUp));
    EXPECT_TRUE(Enabled(MoveDown));
    EXPECT_FALSE(Enabled(CopyLayer));

    app->Commands().RunIfEnabled(quillora::commands::CommandId::Grid);
    EXPECT_TRUE(app->Commands().Action(quillora::commands::CommandId::Grid)->isChecked());
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Grid);
    EXPECT_FALSE(app->Commands().Action(quillora::commands::CommandId::Grid)->isChecked());

    app->Doc().documentModified = false;
}

TEST_F(DocumentCommands, SaveAsCancelledWritesNothingAndKeepsTheChanges) {
    LaunchQuietly();
    NewDocument();
    app->Doc().documentModified = true;
    interaction.QueueSaveFile(std::nullopt);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::SaveAs);
    EXPECT_TRUE(app->Doc().documentModified);
    EXPECT_TRUE(app->Doc().currentFileName.empty());
    ASSERT_EQ(interaction.fileChoices.size(), 1u);
    EXPECT_EQ(interaction.fileChoices[0].title, QStringLiteral("ﾌｧｲﾙを保存"));

    interaction.QueueAnswer(Answer::No);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Close);
}

TEST_F(DocumentCommands, SaveOverAnExistingFileAddsTheExtensionAndRetitlesTheFrame) {
    LaunchQuietly();
    NewDocument();
    app->Doc().documentModified = true;
    const std::string target = dir.File("label.qlr");
    WriteWholeFile(target, "old contents");
    interaction.QueueSaveFile(QString::fromStdString(dir.File("label")));
    app->Commands().RunIfEnabled(quillora::commands::CommandId::SaveAs);

    EXPECT_EQ(ReadWholeFile(target).size(), document::kDocumentFileSize);
    EXPECT_FALSE(app->Doc().documentModified);
    EXPECT_EQ(app->Frame().windowTitle(), QStringLiteral("Quillora - ") + QString::fromStdString(target));
    EXPECT_EQ(app->Doc().selectedFileName, target);

    // Saved and unmodified: Save is greyed until the next change.
    EXPECT_FALSE(Enabled(quillora::commands::CommandId::Save));
    app->Doc().documentModified = true;
    app->RefreshDocumentView();
    EXPECT_TRUE(Enabled(quillora::commands::CommandId::Save));
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Save);
    EXPECT_FALSE(app->Doc().documentModified);
}

TEST_F(DocumentCommands, AFailedOrImpossibleSaveSaysSoAndKeepsTheChanges) {
    LaunchQuietly();
    NewDocument();
    app->Doc().documentModified = true;
    interaction.QueueSaveFile(QString::fromStdString(dir.File("no-such-folder/label.qlr")));
    interaction.QueueAnswer(Answer::Ok);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::SaveAs);
    ASSERT_EQ(interaction.messages.size(), 1u);
    EXPECT_EQ(interaction.messages[0].text, QStringLiteral("ﾌｧｲﾙの保存に失敗しました。"));
    EXPECT_EQ(interaction.messages[0].caption, QStringLiteral("Quillora"));
    EXPECT_EQ(interaction.messages[0].icon, workspace::MessageIcon::Exclamation);
    EXPECT_TRUE(app->Doc().documentModified);

    // 252 bytes leave no room for ".qlr" in a 255-byte name.
    const QString longName = QString::fromStdString(dir.Path() + "/") + QString(252 - dir.Path().size() - 1, 'a');
    interaction.QueueSaveFile(longName);
    interaction.QueueAnswer(Answer::Ok);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::SaveAs);
    ASSERT_EQ(interaction.messages.size(), 2u);
    EXPECT_EQ(interaction.messages[1].text, QStringLiteral("ﾌｧｲﾙの保存に失敗しました。"));
    EXPECT_FALSE(QFile::exists(longName + ".qlr"));

    interaction.QueueAnswer(Answer::No);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Close);
}

TEST_F(DocumentCommands, OpenRefusesUnreadableFilesAndLeavesTheStateAlone) {
    LaunchQuietly();
    const std::string wrongMagic = dir.File("wrong.qlr");
    WriteWholeFile(wrongMagic, "qrla10X" + std::string(document::kDocumentFileSize, '\0'));
    const std::string shortFile = dir.File("short.qlr");
    WriteWholeFile(shortFile, std::string("qrla10\0", 7) + std::string(100, '\0'));

    const int outerBefore = app->Doc().header.outerDiameter;
    for (const std::string& path : {wrongMagic, shortFile}) {
        interaction.QueueOpenFile(QString::fromStdString(path));
        interaction.QueueAnswer(Answer::Ok);
        app->Commands().RunIfEnabled(quillora::commands::CommandId::Open);
        EXPECT_EQ(interaction.messages.back().text, QStringLiteral("読み込めないﾃﾞｰﾀ形式です。"));
        EXPECT_EQ(interaction.messages.back().icon, workspace::MessageIcon::Stop);
        EXPECT_FALSE(app->Doc().documentOpen);
        EXPECT_EQ(app->DocumentWindow(), nullptr);
        EXPECT_EQ(app->Doc().header.outerDiameter, outerBefore);
        EXPECT_TRUE(app->Frame().DropsAccepted());
    }
    EXPECT_EQ(interaction.fileChoices[0].title, QStringLiteral("ﾌｧｲﾙを開く"));

    interaction.QueueOpenFile(QString::fromStdString(dir.File("missing.qlr")));
    interaction.QueueAnswer(Answer::Ok);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Open);
    EXPECT_EQ(interaction.messages.back().text,
              QStringLiteral("\"%1\" を開けません。").arg(QString::fromStdString(dir.File("missing.qlr"))));
}

TEST_F(DocumentCommands, OpenShowsTheSavedDocumentAndReportsEachMissingPicture) {
    const std::string path = dir.File("pictures.qlr");
    ASSERT_TRUE(WriteLabelFile(path, 100, 20, [](document::LabelDocument& doc) {
        for (const char* picture : {"/nowhere/a.bmp", "/nowhere/b.bmp"}) {
            const int slot = doc.FindFreeSlot();
            doc.layers[slot].kind = document::LayerKind::Picture;
            std::strcpy(doc.layers[slot].picturePath, picture);
            doc.InsertAtSelection(slot);
        }
    }));
    LaunchQuietly();
    interaction.QueueOpenFile(QString::fromStdString(path));
    interaction.QueueAnswer(Answer::Ok);
    interaction.QueueAnswer(Answer::Ok);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Open);

    ASSERT_EQ(interaction.messages.size(), 2u);
    EXPECT_EQ(interaction.messages[0].text,
              QStringLiteral("/nowhere/a.bmp\nを開くことができません。\n\n指定の画像ﾌｧｲﾙは、移動または削除された可能性があります。"));
    EXPECT_NE(interaction.messages[0].owner, &app->Frame());  // the progress window owns it
    EXPECT_TRUE(app->Doc().documentOpen);
    EXPECT_FALSE(app->Doc().documentModified);
    EXPECT_EQ(app->DocumentWindow()->windowTitle(), QStringLiteral("ﾗﾍﾞﾙ [外径100mm：内径20mm]"));
    EXPECT_EQ(app->Frame().windowTitle(), QStringLiteral("Quillora - ") + QString::fromStdString(path));
    EXPECT_FALSE(app->Frame().DropsAccepted());
}

TEST_F(DocumentCommands, CloseAsksAboutChangesAndHonoursTheAnswer) {
    LaunchQuietly();
    NewDocument();
    app->Doc().documentModified = true;

    interaction.QueueAnswer(Answer::Cancel);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Close);
    ASSERT_EQ(interaction.messages.size(), 1u);
    EXPECT_EQ(interaction.messages[0].text, kSaveQuestion);
    EXPECT_EQ(interaction.messages[0].caption, QStringLiteral("保存の確認"));
    EXPECT_EQ(interaction.messages[0].buttons, workspace::MessageButtons::YesNoCancel);
    EXPECT_TRUE(app->Doc().documentOpen);
    EXPECT_TRUE(app->Doc().documentModified);
    EXPECT_NE(app->DocumentWindow(), nullptr);

    // Yes, then a cancelled save dialog: still open.
    interaction.QueueAnswer(Answer::Yes);
    interaction.QueueSaveFile(std::nullopt);
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Close);
    EXPECT_TRUE(app->Doc().documentOpen);

    // Yes with a name: saved, then closed.
    interaction.QueueAnswer(Answer::Yes);
    interaction.QueueSaveFile(QString::fromStdString(dir.File("closing.qlr")));
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Close);
    EXPECT_FALSE(app->Doc().documentOpen);
    EXPECT_EQ(app->DocumentWindow(), nullptr);
    EXPECT_EQ(ReadWholeFile(dir.File("closing.qlr")).size(), document::kDocumentFileSize);
    EXPECT_EQ(app->Frame().windowTitle(), QStringLiteral("Quillora"));
    EXPECT_TRUE(app->Frame().DropsAccepted());

    // No: discarded without writing.
    NewDocument();
    app->Doc().documentModified = true;
    interaction.QueueAnswer(Answer::No);
    app->DocumentWindow()->close();  // the close box
    EXPECT_FALSE(app->Doc().documentOpen);
    EXPECT_EQ(app->Doc().state.layerCount, 0);
}

TEST_F(DocumentCommands, DroppedFilesOpenOnlyWithoutADocument) {
    const std::string path = dir.File("dropped.qlr");
    ASSERT_TRUE(WriteLabelFile(path, 120, 15));
    LaunchQuietly();
    DropFile(app->Frame(), QString::fromStdString(path));
    ASSERT_TRUE(app->Doc().documentOpen);
    EXPECT_EQ(app->Doc().currentFileName, path);
    EXPECT_EQ(interaction.beeps, 0);

    DropFile(app->Frame(), QString::fromStdString(path));
    EXPECT_EQ(interaction.beeps, 1);
    EXPECT_EQ(app->Doc().state.innerMm, 15);
}

// Stored pixel sizes and the open flag of a damaged file: the view sizes come from the diameter,
// and opening makes the document open whatever the file says. A FIFO is refused at once.
TEST_F(DocumentCommands, DamagedViewFieldsOpenAsAnOrdinaryLabelAndAFifoIsRefused) {
    LaunchQuietly();
    const std::string path = dir.File("damaged.qlr");
    ASSERT_TRUE(WriteLabelFile(path, 120, 30, [](document::LabelDocument& doc) {
        doc.state.outerPx = 2147483647;
        doc.state.innerPx = 100000000;
        doc.state.isOpen = 0;
    }));
    ASSERT_TRUE(app->Controller().OpenDocument(path));
    EXPECT_EQ(app->Doc().state.isOpen, 1);
    EXPECT_EQ(app->DocumentWindow()->View()->ClientSize(), QSize(395, 395));
    app->DocumentWindow()->View()->viewport()->repaint();
    EXPECT_EQ(app->Doc().state.viewOriginX, 25);

    ASSERT_TRUE(app->Controller().CloseDocument());
    const std::string fifo = dir.File("fifo.qlr");
    ASSERT_TRUE(MakeFifo(fifo));
    // Widgets live on this thread, so the call runs here: a reader that blocked would hang the test.
    interaction.QueueAnswer(Answer::Ok);
    EXPECT_FALSE(app->Controller().OpenDocument(fifo));
    ASSERT_EQ(interaction.messages.size(), 1u);
    EXPECT_EQ(interaction.messages.back().text, QStringLiteral("\"%1\" を開けません。").arg(QString::fromStdString(fifo)));
}

// A name outside code page 932 saves under itself and reopens (it is stored as UTF-8).
TEST_F(DocumentCommands, SaveAsKeepsANameOutsideCodePage932) {
    LaunchQuietly();
    NewDocument();
    interaction.QueueSaveFile(QString::fromStdString(dir.File("café2")));
    app->Commands().RunIfEnabled(commands::CommandId::SaveAs);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.File("café2.qlr"))));
    EXPECT_EQ(app->Frame().windowTitle(), QStringLiteral("Quillora - %1").arg(QString::fromStdString(dir.File("café2.qlr"))));
    ASSERT_TRUE(app->Controller().CloseDocument());
    EXPECT_TRUE(app->Controller().OpenDocument(app->Doc().selectedFileName));
    EXPECT_TRUE(app->Doc().documentOpen);
}
