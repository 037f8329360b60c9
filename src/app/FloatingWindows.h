#pragma once
// The splash and the floating windows beside the frame: tool window, position window and, once
// the layers work provides it, the layer window.
#include <QObject>
#include <QPointer>
#include <array>
#include <memory>

#include "app/WindowArrangement.h"
#include "commands/CommandRegistry.h"
#include "workspace/Workspace.h"

class QWidget;

namespace quillora::windows {
class HelpWindow;
class PositionWindow;
class SplashWindow;
class ToolWindow;
}  // namespace quillora::windows

namespace quillora::app {

class FloatingWindows : public QObject {
    Q_OBJECT
public:
    FloatingWindows(workspace::Workspace& workspace, commands::CommandRegistry& commands);
    ~FloatingWindows() override;

    void ShowSplash();
    void CloseSplash();
    // Creates the tool and position windows hidden, at their saved places.
    void Create();
    void ShowAccordingToFlags();
    void CapturePositions();
    void CloseAll();

    QWidget* Tool() const;
    QWidget* Position() const;
    QWidget* Layer() const { return layer_; }
    void SetLayer(QWidget* window);
    // Tool, position, layer window with their "View" flags, in stacking order.
    std::array<FloatingWindow, 3> StackOrder() const;

    void ShowPosition(int xMm, int yMm);
    void ClearPosition();
    void RepaintTool();
    void ShowHelpContents();
    void ShowHelpOnHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A floating window was closed with its close box (its "View" flag is now clear).
    void closedByUser();

private:
    workspace::Workspace& workspace_;
    commands::CommandRegistry& commands_;
    std::unique_ptr<windows::SplashWindow> splash_;
    std::unique_ptr<windows::ToolWindow> tool_;
    std::unique_ptr<windows::PositionWindow> position_;
    std::unique_ptr<windows::HelpWindow> help_;
    QPointer<QWidget> layer_;
};

}  // namespace quillora::app
