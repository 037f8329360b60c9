#pragma once
// The running program: owns the document, the settings, the interaction seam and the windows,
// carries out the frame's commands, and runs the start-up and exit sequences.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <string>

#include "app/DocumentController.h"
#include "app/DocumentHost.h"
#include "canvas/ViewBitmap.h"
#include "commands/CommandRegistry.h"
#include "document/LabelDocument.h"
#include "history/EditHistory.h"
#include "print/PrinterSelection.h"
#include "settings/AppSettings.h"
#include "workspace/DialogFlags.h"
#include "workspace/DocumentViews.h"
#include "workspace/Interaction.h"
#include "workspace/Workspace.h"
#include "view/DocumentWindow.h"

namespace quillora::windows {
class NoticeWindow;
}

namespace quillora::layers {
class LayerOperations;
class LayerWindow;
}  // namespace quillora::layers

namespace quillora::app {

class FrameWindow;
class FloatingWindows;

struct StartupOptions {
    std::string programDir;
    std::string settingsDir;
    QStringList arguments;                      // after the program name
    workspace::Interaction* interaction = nullptr;     // nullptr: the real message boxes and choosers
    bool runTimer = true;                       // false: the caller runs the second stage itself
    int exitNoticeHoldMs = 0;                   // a test's time to look at the exit notice, busy
};

class Application : public QObject, public workspace::DocumentViews, private DocumentHost {
    Q_OBJECT
public:
    static constexpr int kSecondStageDelayMs = 1200;
    // How often and how long the first-run stacking waits for the window manager's frames.
    static constexpr int kFramePollMs = 20;
    static constexpr int kFrameWaitMs = 2000;
    static constexpr int kSettledPolls = 5;

    explicit Application(StartupOptions options);
    ~Application() override;

    // Settings, frame, splash and the timer of the second stage.
    void Start();
    // Floating windows, the first-run question, tips and the command-line document.
    void RunSecondStage();
    // Closes the document (its question may cancel), writes the settings and closes the frame.
    bool Exit();

    commands::CommandRegistry& Commands() { return commands_; }
    FrameWindow& Frame() const { return *frame_; }
    document::LabelDocument& Doc() { return doc_; }
    settings::AppSettings& Settings() { return settings_; }
    workspace::DialogFlags& Flags() { return flags_; }
    DocumentController& Controller() { return *controller_; }
    history::EditHistory& History() { return *history_; }
    view::DocumentWindow* DocumentWindow() const { return documentWindow_; }
    QWidget* ToolWindow() const;
    QWidget* PositionWindow() const;
    QWidget* LayerWindow() const;
    // Stacks the tool, position and layer windows at the frame's top-right corner, frame to frame.
    void ArrangeFloatingWindows();
    void FitDocumentWindow();
    // One zoom step of the document window around its middle (direction > 0: in), or 100% for 0.
    void ZoomDocumentView(int direction);

    // Redraws what shows the part of the label that changed: the document's one observer.
    void ShowChange(document::ChangeScope scope);

    // workspace::DocumentViews
    void RefreshDocumentView() override;
    void RepaintDocumentView() override;
    void RefreshLayerWindow(workspace::LayerWindowRegion region) override;
    void UpdateLayerScrollBar() override;
    void RepaintToolWindow() override;

signals:
    void exited();

private:
    // DocumentHost
    bool AskNewLabelSize() override;
    void CreateDocumentWindow() override;
    void DestroyDocumentWindow() override;
    std::vector<std::string> RebuildPictures() override;
    void SetFrameTitle(const QString& title) override;
    void SetAcceptDrops(bool accept) override;
    QWidget* ShowProgress() override;
    void HideProgress() override;
    void ClearPositionReadout() override;
    QWidget* DialogOwner() override;

    // What each frame command runs and when it can run (the layer commands are the layers').
    void DefineCommands();
    // Undo and redo, whose captions name the step they take.
    void DefineEditCommands();
    void UpdateCommandStates();
    void OnDrop(const QString& path);
    void ToggleFloatingWindow(QWidget* window, std::int32_t& viewFlag);
    void ToggleGrid();
    void AskFileAssociation();
    void ArrangeWhenFramed();
    void ArrangeIfFramed();
    void CaptureWindowPlaces();

    StartupOptions options_;
    document::LabelDocument doc_;
    settings::AppSettings settings_;
    workspace::DialogFlags flags_;
    std::unique_ptr<workspace::Interaction> ownInteraction_;
    workspace::Interaction& interaction_;
    std::unique_ptr<workspace::Workspace> workspace_;
    commands::CommandRegistry commands_;
    print::PrinterSelection printer_;
    std::unique_ptr<history::EditHistory> history_;
    std::unique_ptr<DocumentController> controller_;
    std::unique_ptr<layers::LayerOperations> layerOperations_;
    std::unique_ptr<layers::LayerWindow> layerWindow_;
    canvas::ViewBitmap viewBitmap_;
    std::unique_ptr<FrameWindow> frame_;
    std::unique_ptr<FloatingWindows> floating_;
    QPointer<view::DocumentWindow> documentWindow_;
    std::unique_ptr<windows::NoticeWindow> progress_;
    QTimer secondStageTimer_;
    QTimer frameWaitTimer_;
    QElapsedTimer frameWait_;
    int settledPolls_ = 0;
    bool openAtStart_ = false;
};

}  // namespace quillora::app
