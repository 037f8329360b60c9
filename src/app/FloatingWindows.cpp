#include "FloatingWindows.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>

#include "app/WindowOwnership.h"
#include "app/WindowPlacement.h"
#include "windows/HelpWindow.h"
#include "windows/PositionWindow.h"
#include "windows/SplashWindow.h"
#include "windows/ToolWindow.h"

namespace quillora::app {

FloatingWindows::FloatingWindows(workspace::Workspace& workspace, commands::CommandRegistry& commands)
    : workspace_(workspace), commands_(commands) {}

FloatingWindows::~FloatingWindows() { CloseSplash(); }

void FloatingWindows::ShowSplash() {
    splash_ = std::make_unique<windows::SplashWindow>();
    splash_->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A dialog opened while the splash is up (a shortcut during start-up) ends it.
    qApp->installEventFilter(this);
}

void FloatingWindows::CloseSplash() {
    if (!splash_) return;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    splash_.reset();
}

bool FloatingWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched)) CloseSplash();
    return QObject::eventFilter(watched, event);
}

void FloatingWindows::Create() {
    tool_ = std::make_unique<windows::ToolWindow>(workspace_, commands_);
    connect(tool_.get(), &windows::ToolWindow::closedByUser, this, &FloatingWindows::closedByUser);
    position_ = std::make_unique<windows::PositionWindow>(workspace_);
    connect(position_.get(), &windows::PositionWindow::closedByUser, this, &FloatingWindows::closedByUser);
    KeepAboveOwner(*tool_, *workspace_.frame);
    KeepAboveOwner(*position_, *workspace_.frame);
}

void FloatingWindows::SetLayer(QWidget* window) {
    layer_ = window;
    if (window) KeepAboveOwner(*window, *workspace_.frame);
}

void FloatingWindows::ShowAccordingToFlags() {
    for (const FloatingWindow& entry : StackOrder())
        if (entry.window) entry.window->setVisible(entry.viewFlag);
}

void FloatingWindows::CapturePositions() {
    const auto capture = [](const QWidget* window, settings::FloatingWindowPlacement& placement) {
        if (window) CaptureFloatingPosition(*window, placement);
    };
    capture(Tool(), workspace_.settings.toolWindow);
    capture(Position(), workspace_.settings.positionWindow);
    capture(Layer(), workspace_.settings.layerWindow);
}

void FloatingWindows::CloseAll() {
    for (const FloatingWindow& entry : StackOrder())
        if (entry.window) entry.window->hide();
    if (help_) help_->close();
}

QWidget* FloatingWindows::Tool() const { return tool_.get(); }
QWidget* FloatingWindows::Position() const { return position_.get(); }

std::array<FloatingWindow, 3> FloatingWindows::StackOrder() const {
    const settings::AppSettings& s = workspace_.settings;
    return {FloatingWindow{Tool(), s.toolWindow.view != 0}, FloatingWindow{Position(), s.positionWindow.view != 0},
            FloatingWindow{Layer(), s.layerWindow.view != 0}};
}

void FloatingWindows::ShowPosition(int xMm, int yMm) {
    if (position_) position_->SetPosition(xMm, yMm);
}

void FloatingWindows::ClearPosition() {
    if (position_) position_->ClearPosition();
}

void FloatingWindows::ShowHelpContents() {
    if (!help_) help_ = std::make_unique<windows::HelpWindow>();
    help_->ShowContents();
}

void FloatingWindows::ShowHelpOnHelp() {
    if (!help_) help_ = std::make_unique<windows::HelpWindow>();
    help_->ShowHelpOnHelp();
}

void FloatingWindows::RepaintTool() {
    if (tool_) tool_->repaint();
}

}  // namespace quillora::app
