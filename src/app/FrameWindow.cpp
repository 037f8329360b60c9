#include "FrameWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "app/DocumentController.h"
#include "app/MenuTable.h"

namespace quillora::app {

FrameWindow::FrameWindow(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frameWindow"));
    setWindowTitle(kProductName);
    setCentralWidget(mdiArea_);
    setAcceptDrops(true);
    buildMenus();
}

void FrameWindow::buildMenus() {
    for (const MenuPopup& popup : FrameMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(popup.caption));
        connect(menu, &QMenu::aboutToShow, this, &FrameWindow::menuAboutToShow);
        if (popup.items.front().id == command::ArrangeWindows) {
            windowMenu_ = menu;
            connect(menu, &QMenu::aboutToShow, this, &FrameWindow::listDocumentWindows);
        }
        for (const MenuItem& item : popup.items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            QString caption = QString::fromUtf8(item.caption);
            if (item.shortcutText) caption += QLatin1Char('\t') + QString::fromUtf8(item.shortcutText);
            QAction* action = menu->addAction(caption);
            action->setObjectName(QStringLiteral("cmd%1").arg(item.id));
            action->setCheckable(IsCheckable(item.id));
            if (item.key) action->setShortcut(QKeySequence(item.key));
            connect(action, &QAction::triggered, this, [this, id = item.id] { emit commandTriggered(id); });
            actions_[item.id] = action;
        }
    }
}

void FrameWindow::listDocumentWindows() {
    qDeleteAll(windowListActions_);
    windowListActions_.clear();
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (windows.isEmpty()) return;
    windowListActions_ << windowMenu_->addSeparator();
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        QAction* action = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()));
        action->setCheckable(true);
        action->setChecked(window == mdiArea_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, window] { mdiArea_->setActiveSubWindow(window); });
        windowListActions_ << action;
    }
}

QAction* FrameWindow::commandAction(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void FrameWindow::applyCommandStates(const std::function<CommandState(int id)>& stateOf) {
    for (const auto& [id, action] : actions_) {
        const CommandState state = stateOf(id);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) action->setChecked(state.checked);
    }
}

QPoint FrameWindow::clientTopRight() const {
    return mdiArea_->mapToGlobal(QPoint(mdiArea_->width(), 0));
}

void FrameWindow::closeEvent(QCloseEvent* event) {
    if (closeAllowed_) {
        event->accept();
        return;
    }
    event->ignore();
    emit exitRequested();
    // Qt refuses a nested close while this one runs, so accept here once the exit went through.
    if (closeAllowed_) event->accept();
}

void FrameWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void FrameWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) return;
    event->acceptProposedAction();
    if (!dropsAccepted_) {
        emit dropRefused();
        return;
    }
    emit fileDropped(urls.front().toLocalFile());
}

void FrameWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    emit movedOrResized();
}

void FrameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    emit movedOrResized();
}

void FrameWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    emit shown();
}

}  // namespace quillora::app
