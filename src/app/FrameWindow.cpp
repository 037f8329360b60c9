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
#include <algorithm>

#include "workspace/Captions.h"
#include "commands/FrameMenu.h"

namespace quillora::app {

FrameWindow::FrameWindow(commands::CommandRegistry& commands, QWidget* parent)
    : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frameWindow"));
    setWindowTitle(QString::fromUtf8(workspace::caption::kProductName));
    setCentralWidget(mdiArea_);
    setAcceptDrops(true);
    BuildMenus(commands);
    connect(&commands, &commands::CommandRegistry::statesChanged, this, &FrameWindow::GreyEmptyPopups);
}

void FrameWindow::BuildMenus(commands::CommandRegistry& commands) {
    for (const commands::MenuPopup& popup : commands::FrameMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(popup.caption));
        popups_.push_back(menu);
        connect(menu, &QMenu::aboutToShow, this, &FrameWindow::menuAboutToShow);
        if (popup.items.front().id == commands::CommandId::ArrangeWindows) {
            windowMenu_ = menu;
            connect(menu, &QMenu::aboutToShow, this, &FrameWindow::ListDocumentWindows);
        }
        for (const commands::MenuItem& item : popup.items) {
            if (item.id) menu->addAction(commands.Action(*item.id));
            else menu->addSeparator();
        }
    }
}

void FrameWindow::GreyEmptyPopups() {
    for (QMenu* menu : popups_) {
        const QList<QAction*> items = menu->actions();
        const bool any = std::any_of(items.begin(), items.end(),
                                     [](const QAction* a) { return !a->isSeparator() && a->isEnabled(); });
        menu->menuAction()->setEnabled(any);
    }
}

void FrameWindow::ListDocumentWindows() {
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

QPoint FrameWindow::ClientTopRight() const {
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
