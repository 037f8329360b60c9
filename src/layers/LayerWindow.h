#pragma once
// The floating window that lists the layer stack ten rows at a time: select with a click, open
// the settings with a double click, show or hide with the lamps, and the buttons and popup menu
// for the layer operations. Apart from the selection, the scroll position and the lamps it never
// changes the document itself.
#include <QWidget>
#include <array>
#include <functional>

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
    LayerWindow(workspace::Workspace& ws, LayerOperations& operations);

    void Refresh(workspace::LayerWindowRegion region);
    void UpdateScrollBar();

    // The row under a client y, or -1 outside the rows.
    static int RowAt(int y);

    // Shows the popup menu and returns the chosen item; tests replace the nested menu loop.
    using PopupRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;
    void setPopupRunner(PopupRunner runner) { popupRunner_ = std::move(runner); }

signals:
    // The close box hid the window.
    void closedByUser();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    FaceButton* AddButton(int id, FaceButton* button, QPoint at);
    void UpdateControls();
    bool SelectRowAt(int y);
    void ShowPopup(const QPoint& globalPos);
    void Command(int id);
    void ToggleLayerVisible(int row);
    void OnScrollAction(int action);
    void OnScrollReleased();
    void SetFirstVisible(int pos);
    int SelectedKind() const;

    workspace::Workspace& ws_;
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
