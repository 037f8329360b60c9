// The layer window: count, rows and hit test, the scroll bar, the popup menu's greying, the
// lamps, button looks, and beeps while a dialog is open.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <map>

#include "WidgetLookup.h"
#include "LayerTestWorkspace.h"
#include "layers/FaceButton.h"
#include "layers/LampButton.h"
#include "layers/LayerWindow.h"
#include "layers/TextLayerDialog.h"
#include "widgets/ControlId.h"

using namespace quillora;
using namespace quillora::layers;
using layers::Lamp;
using layers::LampButton;
using layers::LayerWindow;

namespace {

// Rows start at y = 41, 25 pixels each.
QPoint RowPoint(int row) { return QPoint(60, 41 + 25 * row + 12); }

class LayerWindowTest : public ::testing::Test {
protected:
    LayerTestWorkspace w;
    LayerWindow window{w.ws, w.registry, w.operations};
    std::map<QString, bool> menuEnabled;  // objectName -> enabled, of the last popup
    int menusShown = 0;

    void SetUp() override {
        w.operations.SetMessageOwner(&window);
        window.SetPopupRunner([this](QMenu& menu, const QPoint&) -> QAction* {
            ++menusShown;
            menuEnabled.clear();
            for (QAction* a : menu.actions())
                if (!a->isSeparator()) menuEnabled[a->objectName()] = a->isEnabled();
            return nullptr;
        });
        window.UpdateScrollBar();
        window.Refresh(workspace::LayerWindowRegion::All);
    }
    void TearDown() override { EXPECT_TRUE(w.interaction.AllConsumed()); }

    QString CountText() { return FindChild<QLabel>(window, layers::layer_window_id::kCount).text(); }
    QScrollBar* Bar() { return Control<QScrollBar>(window, 40033); }
    LampButton* LampOfRow(int row) { return Control<LampButton>(window, row == 0 ? 40047 : 40037 + row); }
    layers::FaceButton* Button(int id) { return Control<layers::FaceButton>(window, id); }
    void Click(Qt::MouseButton button, QPoint at) { QTest::mouseClick(&window, button, {}, at); }
};

TEST_F(LayerWindowTest, NewDocumentShowsTwoLayersAndTheBarIsDisabled) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ﾚｲﾔｰ"));
    EXPECT_EQ(window.size(), QSize(LayerWindow::kWidth, LayerWindow::kHeight));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(CountText(), QStringLiteral("ﾚｲﾔｰ数： 02/50"));
    EXPECT_EQ(FindChild<QProgressBar>(window, layers::layer_window_id::kCountBar).value(), 2);
    EXPECT_FALSE(Bar()->isEnabled());
    EXPECT_EQ(LampOfRow(0)->ShownLamp(), Lamp::List);
    EXPECT_EQ(LampOfRow(1)->ShownLamp(), Lamp::Frame);
    for (int r = 2; r < 10; ++r) EXPECT_EQ(LampOfRow(r)->ShownLamp(), Lamp::None) << r;

    w.FillTo(12);
    window.Refresh(workspace::LayerWindowRegion::All);
    EXPECT_EQ(CountText(), QStringLiteral("ﾚｲﾔｰ数： 12/50"));
}

TEST_F(LayerWindowTest, WithoutADocumentEverythingIsEmptyAndButtonsLookDisabled) {
    w.doc.Reset();
    window.Refresh(workspace::LayerWindowRegion::All);
    EXPECT_EQ(CountText(), QString());
    EXPECT_EQ(FindChild<QProgressBar>(window, layers::layer_window_id::kCountBar).value(), 0);
    for (int id : {40029, 40030, 40031, 40032, 40034, 40035, 40051}) EXPECT_TRUE(Button(id)->DisabledLook()) << id;
    EXPECT_EQ(LampOfRow(0)->ShownLamp(), Lamp::None);
    Click(Qt::LeftButton, RowPoint(0));
    EXPECT_EQ(w.interaction.beeps, 0);
}

TEST_F(LayerWindowTest, RowsAreHitFromY41InStepsOf25) {
    EXPECT_EQ(LayerWindow::RowAt(40), -1);
    EXPECT_EQ(LayerWindow::RowAt(41), 0);
    EXPECT_EQ(LayerWindow::RowAt(65), 0);
    EXPECT_EQ(LayerWindow::RowAt(66), 1);
    EXPECT_EQ(LayerWindow::RowAt(290), 9);
    EXPECT_EQ(LayerWindow::RowAt(291), -1);

    w.FillTo(12);
    w.doc.state.firstVisiblePos = 2;
    w.doc.state.selectedPos = 0;
    Click(Qt::LeftButton, QPoint(60, 40));
    Click(Qt::LeftButton, QPoint(60, 291));
    EXPECT_EQ(w.doc.state.selectedPos, 0);
    Click(Qt::LeftButton, QPoint(60, 66));
    EXPECT_EQ(w.doc.state.selectedPos, 3);
    Click(Qt::LeftButton, QPoint(60, 65));
    EXPECT_EQ(w.doc.state.selectedPos, 2);
    EXPECT_FALSE(w.doc.documentModified);
}

TEST_F(LayerWindowTest, ClicksOnEmptyRowsSelectNothing) {
    Click(Qt::LeftButton, RowPoint(0));
    EXPECT_EQ(w.doc.state.selectedPos, 0);
    Click(Qt::LeftButton, RowPoint(5));
    EXPECT_EQ(w.doc.state.selectedPos, 0);
}

TEST_F(LayerWindowTest, PopupGreysByTheSelectedLayer) {
    w.AddTextLayer("t");  // list, t, background
    Click(Qt::RightButton, RowPoint(2));
    ASSERT_EQ(menusShown, 1);
    EXPECT_EQ(w.doc.state.selectedPos, 2);
    EXPECT_TRUE(menuEnabled[QStringLiteral("cmd40073")]);
    EXPECT_FALSE(menuEnabled[QStringLiteral("cmd40076")]);
    EXPECT_FALSE(menuEnabled[QStringLiteral("cmd40077")]);
    EXPECT_FALSE(menuEnabled[QStringLiteral("cmd40074")]);
    EXPECT_FALSE(menuEnabled[QStringLiteral("cmd40075")]);

    Click(Qt::RightButton, RowPoint(0));  // the list at the top
    EXPECT_TRUE(menuEnabled[QStringLiteral("cmd40073")]);
    EXPECT_FALSE(menuEnabled[QStringLiteral("cmd40076")]);
    EXPECT_TRUE(menuEnabled[QStringLiteral("cmd40077")]);
    EXPECT_FALSE(menuEnabled[QStringLiteral("cmd40074")]);
    EXPECT_FALSE(menuEnabled[QStringLiteral("cmd40075")]);

    Click(Qt::RightButton, RowPoint(1));  // the text layer directly above the background
    EXPECT_TRUE(menuEnabled[QStringLiteral("cmd40076")]);
    EXPECT_FALSE(menuEnabled[QStringLiteral("cmd40077")]);
    EXPECT_TRUE(menuEnabled[QStringLiteral("cmd40074")]);
    EXPECT_TRUE(menuEnabled[QStringLiteral("cmd40075")]);
    EXPECT_FALSE(Button(40031)->DisabledLook());
    EXPECT_TRUE(Button(40035)->DisabledLook());
}

TEST_F(LayerWindowTest, ButtonFacesFollowTheSelectedLayer) {
    w.AddTextLayer("t");  // list, t, background
    auto looks = [&] {
        std::vector<bool> v;
        for (int id : {40029, 40030, 40034, 40035, 40031, 40032, 40051}) v.push_back(Button(id)->DisabledLook());
        return v;
    };
    Click(Qt::LeftButton, RowPoint(2));  // background
    EXPECT_EQ(looks(), (std::vector<bool>{false, false, true, true, true, true, false}));
    Click(Qt::LeftButton, RowPoint(0));  // list at the top
    EXPECT_EQ(looks(), (std::vector<bool>{false, false, true, false, true, true, false}));
    Click(Qt::LeftButton, RowPoint(1));  // text above the background
    EXPECT_EQ(looks(), (std::vector<bool>{false, false, false, true, false, false, false}));
}

TEST_F(LayerWindowTest, RightClickOutsideRowsKeepsSelectionAndNearTheEdgeShowsNoMenu) {
    w.doc.state.selectedPos = 0;
    Click(Qt::RightButton, QPoint(60, 40));
    EXPECT_EQ(menusShown, 1);
    EXPECT_EQ(w.doc.state.selectedPos, 0);
    Click(Qt::RightButton, QPoint(10, 30));
    Click(Qt::RightButton, QPoint(60, 10));
    EXPECT_EQ(menusShown, 1);
    EXPECT_EQ(w.doc.state.selectedPos, 0);
}

TEST_F(LayerWindowTest, OtherMouseButtonsOnLampsButtonsAndTheBarDoNothing) {
    w.FillTo(12);
    window.UpdateScrollBar();
    w.doc.state.selectedPos = 0;
    const auto centreOf = [this](QWidget* control) { return control->geometry().center(); };
    for (QWidget* control : std::initializer_list<QWidget*>{LampOfRow(3), Button(layers::layer_window_id::kSettings), Button(layers::layer_window_id::kMoveUp), Bar()}) {
        Click(Qt::RightButton, centreOf(control));
        Click(Qt::MiddleButton, centreOf(control));
    }
    EXPECT_EQ(menusShown, 0);
    EXPECT_EQ(w.doc.state.selectedPos, 0);
    EXPECT_TRUE(w.views.calls.empty());
    // No menu of its own either: its jumps would leave the rows behind.
    EXPECT_EQ(Bar()->contextMenuPolicy(), Qt::PreventContextMenu);
    // The same click beside the controls still selects and opens the menu.
    Click(Qt::RightButton, RowPoint(3));
    EXPECT_EQ(menusShown, 1);
    EXPECT_EQ(w.doc.state.selectedPos, 3);
}

TEST_F(LayerWindowTest, EveryThumbPositionIsTheFirstVisibleRow) {
    w.FillTo(50);
    window.UpdateScrollBar();
    // A jump of the thumb (middle click, dragging) counts where it is let go.
    Bar()->setSliderDown(true);
    Bar()->setSliderPosition(25);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 0);
    Bar()->setSliderDown(false);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 25);
    EXPECT_EQ(Bar()->value(), 25);
    // Home, End and the other requests leave the thumb where the rows are.
    for (auto action : {QAbstractSlider::SliderToMinimum, QAbstractSlider::SliderToMaximum, QAbstractSlider::SliderMove}) {
        Bar()->triggerAction(action);
        EXPECT_EQ(Bar()->sliderPosition(), w.doc.state.firstVisiblePos) << action;
        EXPECT_EQ(Bar()->value(), 25) << action;
    }
    Bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 26);
    EXPECT_EQ(Bar()->value(), 26);
}

TEST_F(LayerWindowTest, ChosenPopupItemRunsItsOperation) {
    w.AddTextLayer("t");
    window.SetPopupRunner([](QMenu& menu, const QPoint&) {
        return menu.findChild<QAction*>(QStringLiteral("cmd40076"));
    });
    Click(Qt::RightButton, RowPoint(1));
    EXPECT_EQ(w.doc.KindAt(0), document::LayerKind::Text);
    EXPECT_EQ(w.doc.state.selectedPos, 0);
}

TEST_F(LayerWindowTest, LampsToggleVisibilityWithoutModifyingExceptTheBackground) {
    int slot = w.AddTextLayer("t");
    window.Refresh(workspace::LayerWindowRegion::All);
    EXPECT_EQ(LampOfRow(1)->ShownLamp(), Lamp::Text);
    LampOfRow(1)->click();
    EXPECT_EQ(w.doc.layers[slot].visible, 0);
    EXPECT_EQ(w.views.calls, (std::vector<std::string>{"layers:lamps", "document"}));
    window.Refresh(workspace::LayerWindowRegion::Lamps);
    EXPECT_EQ(LampOfRow(1)->ShownLamp(), Lamp::Hidden);
    LampOfRow(2)->click();  // background
    EXPECT_EQ(w.doc.layers[1].visible, 1);
    EXPECT_EQ(w.views.calls.size(), 2u);
    LampOfRow(0)->click();  // the list hides like any layer
    EXPECT_EQ(w.doc.layers[0].visible, 0);
    EXPECT_FALSE(w.doc.documentModified);
}

TEST_F(LayerWindowTest, ScrollBarMovesOneRowAtATimeWithinTheLayers) {
    w.FillTo(11);
    window.UpdateScrollBar();
    EXPECT_TRUE(Bar()->isEnabled());
    Bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 1);
    Bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 1);
    Bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Bar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 0);

    w.FillTo(50);
    window.UpdateScrollBar();
    for (int i = 0; i < 60; ++i) Bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 40);
    EXPECT_EQ(Bar()->value(), 40);
    Bar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(w.doc.state.firstVisiblePos, 40);

    // The lamps follow the scrolled rows: the background is now in the last row.
    EXPECT_EQ(LampOfRow(9)->ShownLamp(), Lamp::Frame);
}

// Commands greyed while the dialog was open (undo, after 適用 in it) are live again after it.
TEST_F(LayerWindowTest, DoubleClickOpensTheSettingsOfTheClickedRow) {
    w.registry.Define(commands::CommandId::Undo, [] {}, [this] { return !w.flags.Any(); });
    QAction* undo = w.registry.Action(commands::CommandId::Undo);
    w.interaction.QueueDialog([this, undo](QDialog& d) {
        w.registry.UpdateStates();
        EXPECT_FALSE(undo->isEnabled());
        return ClickAndFinish(d, widgets::kCancelId);
    });
    QTest::mouseDClick(&window, Qt::LeftButton, {}, RowPoint(1));
    EXPECT_EQ(w.interaction.dialogTitles, std::vector<QString>{QStringLiteral("背景ﾚｲﾔｰの設定")});
    EXPECT_TRUE(undo->isEnabled());
}

TEST_F(LayerWindowTest, WhileADialogIsOpenRowsLampsAndButtonsOnlyBeep) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget frame;
    frame.show();
    w.ws.frame = &frame;
    w.FillTo(11);
    window.UpdateScrollBar();
    w.doc.state.selectedPos = 1;
    w.interaction.QueueDialog([&](QDialog& dialog) {
        EXPECT_TRUE(w.flags.textDialogOpen);
        // Modal to the frame as the program runs it; the parentless layer window stays live.
        dialog.hide();
        dialog.setWindowModality(Qt::WindowModal);
        dialog.show();
        EXPECT_TRUE(QApplication::activeModalWidget() == &dialog);
        QWindow* handle = window.windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, {}, RowPoint(0));
        QTest::mouseClick(handle, Qt::LeftButton, {}, LampOfRow(1)->geometry().center());
        QTest::mouseClick(handle, Qt::LeftButton, {}, Button(40030)->geometry().center());
        QTest::mouseClick(handle, Qt::LeftButton, {}, Button(40032)->geometry().center());
        EXPECT_EQ(w.interaction.beeps, 4);
        EXPECT_EQ(w.doc.state.selectedPos, 1);
        EXPECT_EQ(w.doc.LayerAt(1)->visible, 1);
        // The list still scrolls.
        QTest::mouseClick(handle, Qt::LeftButton, {}, Bar()->geometry().bottomLeft() + QPoint(7, -3));
        EXPECT_EQ(w.doc.state.firstVisiblePos, 1);
        EXPECT_EQ(w.interaction.beeps, 4);
        return ClickAndFinish(dialog, widgets::kCancelId);
    });
    w.operations.EditLayerProperties(1);
    EXPECT_FALSE(w.flags.Any());
}

TEST_F(LayerWindowTest, ButtonsRunTheirOperations) {
    w.interaction.QueueDialog([](QDialog& d) {
        Control<QLineEdit>(d, text_dialog_id::kText)->setText(QStringLiteral("via button"));
        return ClickAndFinish(d, widgets::kOkId);
    });
    Button(40029)->click();
    EXPECT_EQ(w.doc.state.layerCount, 3);
    Button(40031)->click();  // copy
    EXPECT_EQ(w.doc.state.layerCount, 4);
    w.interaction.QueueAnswer(workspace::Answer::Yes);
    Button(40032)->click();  // delete
    EXPECT_EQ(w.doc.state.layerCount, 3);
    EXPECT_EQ(w.interaction.messages.at(0).owner, &window);
    Button(40034)->click();  // up: the copy's source goes above the list
    EXPECT_EQ(w.doc.KindAt(0), document::LayerKind::Text);
}

TEST_F(LayerWindowTest, CloseBoxHidesAndClearsTheViewFlag) {
    window.show();
    QSignalSpy closed(&window, &LayerWindow::closedByUser);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(w.settings.layerWindow.view, 0);
    EXPECT_EQ(closed.count(), 1);
}

}  // namespace
