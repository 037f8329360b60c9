#include <QDialog>
#include <QImage>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "WorkspaceWindowTest.h"
#include "windows/ToolButton.h"
#include "windows/ToolWindow.h"

using namespace quillora::windows;
using namespace quillora::workspace;

namespace {

using quillora::commands::CommandId;

constexpr int kAllCommands[] = {ToolWindow::kNewId,     ToolWindow::kSaveId,          ToolWindow::kPrintId,
                                ToolWindow::kPreviewId, ToolWindow::kPrintSettingsId, ToolWindow::kPrinterSetupId};
constexpr CommandId kToolCommands[] = {CommandId::New, CommandId::Save, CommandId::Print,
                                       CommandId::PrintPreview, CommandId::PrintSettings, CommandId::PrinterSetup};

// True when some pixel of the picture has the colour.
bool Contains(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

QImage Picture(ToolButton& button, bool pressed) {
    button.setDown(pressed);
    QImage image = button.grab().toImage();
    button.setDown(false);
    return image;
}

}  // namespace

class ToolWindowTest : public WorkspaceWindowTest<ToolWindow> {
protected:
    void SetUp() override {
        for (CommandId id : kToolCommands) t.commands.Record({id});
    }
};

TEST_F(ToolWindowTest, ButtonsStandWhereTheyShouldWithTheirLabels) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("ﾂｰﾙ"));
    EXPECT_EQ(window.size(), QSize(200, 71));
    EXPECT_EQ(window.parent(), nullptr);
    EXPECT_TRUE(window.windowFlags() & Qt::Tool);
    const struct {
        int id, x, y;
        const char* label;
    } expected[] = {{40067, 2, 2, "新規作成…"},    {40068, 98, 2, "保存…"},
                    {40069, 2, 28, "印刷…"},       {40071, 98, 28, "印刷設定…"},
                    {40072, 2, 49, "プリンタ設定…"}, {40070, 98, 49, "印刷プレビュー…"}};
    ASSERT_EQ(window.Buttons().size(), 6u);
    for (const auto& e : expected) {
        ToolButton* b = window.findChild<ToolButton*>(QStringLiteral("id%1").arg(e.id));
        ASSERT_NE(b, nullptr) << e.id;
        EXPECT_EQ(b->geometry(), QRect(e.x, e.y, 94, 19)) << e.id;
        EXPECT_EQ(b->Label(), QString::fromUtf8(e.label));
    }
}

TEST_F(ToolWindowTest, LooksFollowTheDocumentStateAndThePress) {
    ToolButton& newButton = *window.Button(ToolWindow::kNewId);
    EXPECT_EQ(newButton.Look(), ToolButtonLook::Released);
    newButton.setDown(true);
    EXPECT_EQ(newButton.Look(), ToolButtonLook::Pressed);
    newButton.setDown(false);
    for (int id : {40068, 40069, 40070, 40071, 40072}) {
        ToolButton& b = *window.Button(id);
        EXPECT_EQ(b.Look(), ToolButtonLook::Unavailable) << id;
        b.setDown(true);
        EXPECT_EQ(b.Look(), ToolButtonLook::Unavailable) << id;
        b.setDown(false);
    }

    t.doc.documentOpen = true;
    EXPECT_EQ(newButton.Look(), ToolButtonLook::Unavailable);
    newButton.setDown(true);
    EXPECT_EQ(newButton.Look(), ToolButtonLook::Unavailable);
    newButton.setDown(false);
    for (int id : {40068, 40069, 40070, 40071, 40072}) {
        ToolButton& b = *window.Button(id);
        EXPECT_EQ(b.Look(), ToolButtonLook::Released) << id;
        b.setDown(true);
        EXPECT_EQ(b.Look(), ToolButtonLook::Pressed) << id;
        b.setDown(false);
    }
}

TEST_F(ToolWindowTest, PicturesShowFaceAndTextOfTheLook) {
    ToolButton& newButton = *window.Button(ToolWindow::kNewId);
    ToolButton& save = *window.Button(ToolWindow::kSaveId);
    const QPalette pal = newButton.palette();
    const QImage released = Picture(newButton, false);
    const QImage pressed = Picture(newButton, true);
    const QImage unavailable = Picture(save, false);
    ASSERT_EQ(released.size(), QSize(94, 19));
    EXPECT_EQ(released.pixelColor(5, 4), pal.color(QPalette::Button));
    EXPECT_EQ(pressed.pixelColor(5, 4), pal.color(QPalette::Light));
    EXPECT_NE(pal.color(QPalette::Button), pal.color(QPalette::Light));
    EXPECT_TRUE(Contains(released, pal.color(QPalette::ButtonText)));
    EXPECT_TRUE(Contains(pressed, pal.color(QPalette::ButtonText)));
    EXPECT_FALSE(Contains(unavailable, pal.color(QPalette::ButtonText)));
    EXPECT_EQ(unavailable.pixelColor(5, 4), pal.color(QPalette::Button));
}

TEST_F(ToolWindowTest, ClicksRunOnlyTheCommandsTheDocumentStateAllows) {
    for (int id : kAllCommands) QTest::mouseClick(window.Button(id), Qt::LeftButton);
    EXPECT_EQ(t.commands.ran, std::vector<CommandId>{CommandId::New});

    t.commands.ran.clear();
    t.doc.documentOpen = true;
    for (int id : kAllCommands) QTest::mouseClick(window.Button(id), Qt::LeftButton);
    EXPECT_EQ(t.commands.ran, (std::vector<CommandId>{CommandId::Save, CommandId::Print, CommandId::PrintPreview,
                                                      CommandId::PrintSettings, CommandId::PrinterSetup}));
    EXPECT_EQ(t.interaction.beeps, 0);
}

TEST_F(ToolWindowTest, AnOpenEditingDialogTurnsEveryClickIntoABeep) {
    bool DialogFlags::*flags[] = {&DialogFlags::backgroundDialogOpen, &DialogFlags::listSheetOpen,
                                  &DialogFlags::textDialogOpen, &DialogFlags::pictureDialogOpen};
    int expectedBeeps = 0;
    for (bool open : {false, true}) {
        t.doc.documentOpen = open;
        for (auto flag : flags) {
            t.flags = DialogFlags{};
            t.flags.*flag = true;
            for (int id : kAllCommands) {
                QTest::mouseClick(window.Button(id), Qt::LeftButton);
                EXPECT_EQ(t.interaction.beeps, ++expectedBeeps);
            }
        }
    }
    EXPECT_TRUE(t.commands.ran.empty());
}

TEST_F(ToolWindowTest, CloseBoxHidesAndClearsTheViewFlag) {
    t.settings.toolWindow.view = 1;
    window.show();
    QSignalSpy closed(&window, &ToolWindow::closedByUser);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(t.settings.toolWindow.view, 0);
    EXPECT_EQ(closed.count(), 1);
    window.show();  // not destroyed: it comes back
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ToolWindowTest, StaysLiveWhileADialogIsModalToTheFrame) {
    QMainWindow frame;
    auto* frameButton = new QPushButton(QStringLiteral("frame"), &frame);
    frame.setCentralWidget(frameButton);
    frame.show();
    QDialog dialog(&frame);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.show();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QSignalSpy frameClicked(frameButton, &QPushButton::clicked);
    ToolButton* newButton = window.Button(ToolWindow::kNewId);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, newButton->geometry().center());
    QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, frameButton->geometry().center());
    EXPECT_EQ(t.commands.ran.size(), 1u);
    EXPECT_EQ(frameClicked.count(), 0);  // the frame itself is blocked
}
