#pragma once
// The frame: menu bar built from the menu table, the MDI area that holds the document window,
// dropped files, and a close box that asks the application to exit instead of closing.
#include <QMainWindow>
#include <vector>

#include "commands/CommandRegistry.h"

class QMdiArea;
class QMenu;

namespace quillora::app {

class FrameWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FrameWindow(commands::CommandRegistry& commands, QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return mdiArea_; }
    // Top-right corner of the area below the menu bar, in screen coordinates.
    QPoint ClientTopRight() const;
    void SetDropsAccepted(bool accepted) { dropsAccepted_ = accepted; }
    bool DropsAccepted() const { return dropsAccepted_; }
    // Lets the next close go through; the exit sequence calls it once the settings are written.
    void AllowClose() { closeAllowed_ = true; }

signals:
    void menuAboutToShow();
    void fileDropped(const QString& path);
    void dropRefused();
    void exitRequested();
    void movedOrResized();
    void shown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus(commands::CommandRegistry& commands);
    // A popup whose items are all greyed is greyed in the menu bar too.
    void GreyEmptyPopups();
    // The window list after the "ｳｨﾝﾄﾞｳ(&W)" items, as MDI frames keep it.
    void ListDocumentWindows();

    QMdiArea* mdiArea_;
    std::vector<QMenu*> popups_;
    QMenu* windowMenu_ = nullptr;
    QList<QAction*> windowListActions_;
    bool dropsAccepted_ = false;
    bool closeAllowed_ = false;
};

}  // namespace quillora::app
