#pragma once
// The floating window that lists the layer stack ten rows at a time: select with a click, open
// the settings with a double click, show or hide with the lamps, and the buttons and popup menu
// for the layer operations. Apart from the selection, the scroll position and the lamps it never
// changes the document itself.
#include <QWidget>
#include <array>
#include <functional>

#include "commands/CommandRegistry.h"
#include "workspace/DocumentViews.h"
#include "workspace/Workspace.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QScrollBar;

namespace quillora::layers {

class FaceButton;
class LampButton;
class LayerOperations;

// The window's controls and popup items by their dialog ids, as its tests look them up.
namespace layer_window_id {
inline constexpr int kNewText = 40029, kNewPicture = 40030, kCopy = 40031, kDelete = 40032, kScrollBar = 40033,
                     kMoveUp = 40034, kMoveDown = 40035, kSettings = 40051;
inline constexpr int kCount = 1040, kCountBar = 1041;  // the layer count and its bar
inline constexpr int kLampRow0 = 40047, kLampRow1 = 40038;  // rows 1..9: 40038..40046
inline constexpr int kMenuSettings = 40073, kMenuCopy = 40074, kMenuDelete = 40075, kMenuMoveUp = 40076,
                     kMenuMoveDown = 40077;
// The lamp of row r.
constexpr int LampId(int row) { return row == 0 ? kLampRow0 : kLampRow1 + row - 1; }
}  // namespace layer_window_id

class LayerWindow : public QWidget {
    Q_OBJECT
public:
    // The client area. With a thin tool frame and a small caption this gives the 200 x 335
    // window the layout was made for.
    static constexpr int kWidth = 194;
    static constexpr int kHeight = 313;
    static constexpr int kRows = 10;
    static constexpr int kRowTop = 41;
    static constexpr int kRowHeight = 25;

    // Top-level without a parent, so that dialogs modal to the frame leave it usable; hidden.
    LayerWindow(workspace::Workspace& ws, commands::CommandRegistry& commands, LayerOperations& operations);

    void Refresh(workspace::LayerWindowRegion region);
    void UpdateScrollBar();

    // The row under a client y, or -1 outside the rows.
    static int RowAt(int y);

    // Shows the popup menu and returns the chosen item; tests replace the nested menu loop.
    using PopupRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;
    void SetPopupRunner(PopupRunner runner) { popupRunner_ = std::move(runner); }

signals:
    // The close box hid the window.
    void closedByUser();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    FaceButton* AddButton(int id, commands::CommandId command, FaceButton* button, QPoint at);
    // Whether `at` is on a lamp, a button or the scroll bar.
    bool IsControlAt(QPoint at) const;
    void UpdateControls();
    bool SelectRowAt(int y);
    void ShowPopup(const QPoint& globalPos);
    void Run(commands::CommandId command);
    void ToggleLamp(int row);
    void OnScrollAction(int action);
    void OnScrollReleased();
    void SetFirstVisible(int pos);

    workspace::Workspace& ws_;
    commands::CommandRegistry& commands_;
    LayerOperations& operations_;
    QLabel* label_;
    QLabel* count_;
    QProgressBar* countBar_;
    QScrollBar* scrollBar_;
    std::array<LampButton*, kRows> lamps_{};
    FaceButton* newText_;
    FaceButton* newPicture_;
    FaceButton* moveUp_;
    FaceButton* moveDown_;
    FaceButton* copy_;
    FaceButton* delete_;
    FaceButton* settings_;
    PopupRunner popupRunner_;
};

}  // namespace quillora::layers
