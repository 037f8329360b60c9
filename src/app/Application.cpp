#include "Application.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QThread>
#include <QUrl>
#include <malloc.h>

#include "app/FloatingWindows.h"
#include "app/FrameWindow.h"
#include "app/WindowPlacement.h"
#include "canvas/FontMapping.h"
#include "layers/LayerCommands.h"
#include "layers/LayerOperations.h"
#include "layers/LayerWindow.h"
#include "pictures/PictureLibrary.h"
#include "settings/SettingsFile.h"
#include "text/Cp932.h"
#include "windows/NoticeWindow.h"
#include "workspace/Captions.h"
#include "workspace/QtInteraction.h"
#include "windows/AboutBox.h"
#include "desktop/AppIcon.h"
#include "desktop/FileAssociation.h"
#include "windows/NewLabelSizeDialog.h"
#include "windows/TipsDialog.h"
#include "view/LabelView.h"
#include "document/Limits.h"

namespace quillora::app {
namespace {

QString QtPictureFilter(const pictures::PictureFilter& filter) {
    const auto entry = [](const std::string& description, const std::string& pattern) {
        QString patterns = QString::fromStdString(pattern);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        return QString::fromStdString(description) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    };
    return entry(filter.supportedDescription, filter.supportedPattern) + QStringLiteral(";;") +
           entry(filter.allDescription, filter.allPattern);
}

}  // namespace

Application::Application(StartupOptions options)
    : options_(std::move(options)),
      ownInteraction_(options_.interaction ? nullptr : std::make_unique<workspace::QtInteraction>()),
      interaction_(options_.interaction ? *options_.interaction : *ownInteraction_) {
    secondStageTimer_.setSingleShot(true);
    connect(&secondStageTimer_, &QTimer::timeout, this, &Application::RunSecondStage);
    connect(&frameWaitTimer_, &QTimer::timeout, this, &Application::ArrangeIfFramed);
    frame_ = std::make_unique<FrameWindow>(commands_);
    workspace_ = std::make_unique<workspace::Workspace>(
        workspace::Workspace{doc_, settings_, flags_, interaction_, pictures::PictureLibrary(options_.programDir),
                             QString(), frame_.get(), {}, options_.programDir, options_.settingsDir});
    DocumentHost& host = *this;
    history_ = std::make_unique<history::EditHistory>(doc_);
    controller_ = std::make_unique<DocumentController>(doc_, settings_, interaction_, host, printer_, *history_);
    doc_.changeObserver = [this](document::ChangeScope scope) { ShowChange(scope); };
    floating_ = std::make_unique<FloatingWindows>(*workspace_, commands_);
    layerOperations_ = std::make_unique<layers::LayerOperations>(*workspace_);
    DefineCommands();
    DefineEditCommands();
    layers::DefineLayerCommands(commands_, *layerOperations_, *workspace_);

    connect(frame_.get(), &FrameWindow::menuAboutToShow, this, &Application::UpdateCommandStates);
    connect(frame_.get(), &FrameWindow::exitRequested, this, &Application::Exit);
    connect(frame_.get(), &FrameWindow::fileDropped, this, &Application::OnDrop);
    connect(frame_.get(), &FrameWindow::dropRefused, this, [this] { interaction_.Beep(); });
    connect(frame_.get(), &FrameWindow::movedOrResized, this, [this] {
        if (settings_.autoArrange) ArrangeFloatingWindows();
    });
    connect(frame_->MdiArea(), &QMdiArea::subWindowActivated, this, [this] {
        UpdateLayerScrollBar();
        RefreshLayerWindow(workspace::LayerWindowRegion::All);
    });
    connect(floating_.get(), &FloatingWindows::closedByUser, this, &Application::UpdateCommandStates);
}

Application::~Application() {
    // The frame's children report their own destruction (the MDI area deactivates its window):
    // nothing of that may reach a half-destroyed frame.
    frame_->MdiArea()->disconnect(this);
    frame_->disconnect(this);
}

void Application::Start() {
    canvas::FontMapping::RegisterSubstitutions();
    frame_->setWindowIcon(desktop::ApplicationIcon());
    doc_.InitialiseAtStartup();
    workspace_->pictureFilter = QtPictureFilter(workspace_->pictures.BuildPictureFilter());
    for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
    settings::LoadSettings(options_.settingsDir, settings_, doc_);

    settings::FramePlacement placement = settings_.frame;
    if (settings_.firstRun) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        placement.posX = (screen.width() - settings::kFirstRunFrameWidth) / 2;
        placement.posY = (screen.height() - settings::kFirstRunFrameHeight) / 2;
    }
    ApplyFramePlacement(*frame_, placement);
    UpdateCommandStates();
    if (settings_.frame.max) frame_->showMaximized();
    else frame_->show();
    floating_->ShowSplash();

    const QString commandLine = options_.arguments.join(QLatin1Char(' '));
    openAtStart_ = !commandLine.isEmpty();
    if (openAtStart_) doc_.selectedFileName = commandLine.toStdString();
    if (options_.runTimer) secondStageTimer_.start(kSecondStageDelayMs);
}

void Application::RunSecondStage() {
    secondStageTimer_.stop();
    // The default printer is looked up when first needed, not here: asking the print system
    // loads its client and the print support, some 4 MB that a run without printing never uses.
    doc_.RenumberListEntries();
    floating_->Create();
    layerWindow_ = std::make_unique<layers::LayerWindow>(*workspace_, commands_, *layerOperations_);
    layerOperations_->SetMessageOwner(layerWindow_.get());
    connect(layerWindow_.get(), &layers::LayerWindow::closedByUser, this, &Application::UpdateCommandStates);
    floating_->SetLayer(layerWindow_.get());
    const bool arrangeAfterShowing = settings_.firstRun != 0;
    // The splash and its wait cursor must not stand over the question or anything after it.
    floating_->CloseSplash();
    if (settings_.firstRun) {
        ArrangeFloatingWindows();
        AskFileAssociation();
        settings_.firstRun = 0;
    }
    floating_->ShowAccordingToFlags();
    // The window manager frames the windows only once it has mapped them: stack them again when
    // their outer heights are known.
    if (arrangeAfterShowing) ArrangeWhenFramed();
    if (settings_.showTipsAtStart) windows::ShowTips(*workspace_);
    // A command-line document that cannot be opened leaves the program taking drops.
    if (!openAtStart_ || !controller_->OpenDocument(doc_.selectedFileName)) SetAcceptDrops(true);
    UpdateCommandStates();
    frame_->activateWindow();
    // What the start-up freed (the splash, the windows' making) goes back to the system rather
    // than stay in the idle program's heap.
    malloc_trim(0);
}

void Application::ArrangeWhenFramed() {
    ArrangeFloatingWindows();
    settledPolls_ = 0;
    frameWait_.start();
    frameWaitTimer_.start(kFramePollMs);
}

void Application::ArrangeIfFramed() {
    const auto stack = floating_->StackOrder();
    const QPoint corner = frame_->ClientTopRight();
    const bool framed = FramesKnown(stack);
    // The window manager may still be placing a window after its frame is known: the stack is
    // done once it has stayed in place for a few polls.
    if (framed && IsArranged(corner, stack)) {
        if (++settledPolls_ >= kSettledPolls) frameWaitTimer_.stop();
        return;
    }
    settledPolls_ = 0;
    // Without a window manager (or one that draws no frames) the frames never come.
    const bool late = frameWait_.elapsed() >= kFrameWaitMs;
    if (!framed && !late) return;
    // Only the places change: the focus stays where the user or a dialog has it by now.
    app::StackFloatingWindows(corner, stack);
    if (late) frameWaitTimer_.stop();
}

void Application::AskFileAssociation() {
    const QString text = QStringLiteral("%1で作成するﾃﾞｰﾀﾌｧｲﾙ（*.qlr）を、%1に関連付けます。\n関連付けの設定・解除は後から自由に行えます。\n\nここで、関連付けの設定を行ってもよろしいですか？")
                             .arg(QString::fromUtf8(workspace::caption::kProductName));
    const workspace::Answer answer = interaction_.ShowMessage({frame_.get(), text, QStringLiteral("確認"),
                                                        workspace::MessageIcon::Question, workspace::MessageButtons::YesNo,
                                                        workspace::Answer::Yes});
    if (answer == workspace::Answer::Yes) desktop::RegisterFileAssociation(QCoreApplication::applicationFilePath().toStdString());
}

bool Application::Exit() {
    if (!controller_->CloseDocument()) return false;
    // The notice lets the window system's events through: no start-up step may run then.
    secondStageTimer_.stop();
    frameWaitTimer_.stop();
    windows::NoticeWindow notice(QStringLiteral("終了処理中です。しばらくお待ち下さい..."));
    notice.ShowNotice();
    if (options_.exitNoticeHoldMs > 0) QThread::msleep(options_.exitNoticeHoldMs);
    CaptureWindowPlaces();
    settings::SaveSettings(options_.settingsDir, settings_, doc_);
    viewBitmap_.Clear();
    floating_->CloseAll();
    frame_->AllowClose();
    frame_->close();
    emit exited();
    return true;
}

void Application::CaptureWindowPlaces() {
    settings_.frame = CaptureFramePlacement(*frame_);
    floating_->CapturePositions();
}

void Application::ToggleFloatingWindow(QWidget* window, std::int32_t& viewFlag) {
    viewFlag = viewFlag ? 0 : 1;
    if (window) window->setVisible(viewFlag != 0);
}

void Application::ToggleGrid() {
    settings_.grid.visible = settings_.grid.visible == 1 ? 0 : 1;
    RepaintDocumentView();
}

void Application::OnDrop(const QString& path) {
    if (doc_.documentOpen) {
        interaction_.Beep();
        return;
    }
    controller_->OpenDocument(path.toStdString());
    UpdateCommandStates();
}

void Application::UpdateCommandStates() { commands_.UpdateStates(); }

QWidget* Application::ToolWindow() const { return floating_ ? floating_->Tool() : nullptr; }
QWidget* Application::PositionWindow() const { return floating_ ? floating_->Position() : nullptr; }
QWidget* Application::LayerWindow() const { return layerWindow_.get(); }

void Application::ArrangeFloatingWindows() {
    const auto stack = floating_->StackOrder();
    app::StackFloatingWindows(frame_->ClientTopRight(), stack);
    // From a sheet's Apply the keys stay with the sheet.
    if (!QApplication::activeModalWidget()) frame_->activateWindow();
}

void Application::FitDocumentWindow() {
    if (documentWindow_) documentWindow_->FitToLabel();
}

void Application::ZoomDocumentView(int direction) {
    if (!documentWindow_) return;
    view::LabelView* labelView = documentWindow_->View();
    const QPoint middle = QRect(QPoint(), labelView->ClientSize()).center();
    if (direction == 0) labelView->SetZoom(view::kDefaultZoom, middle);
    else labelView->StepZoom(direction, middle);
}

void Application::ShowChange(document::ChangeScope scope) {
    workspace::ShowChange(*this, scope);
    // A change that redraws nothing still changes what undo offers.
    UpdateCommandStates();
}

void Application::RefreshDocumentView() {
    if (documentWindow_) {
        // The view renders what it shows as it repaints.
        viewBitmap_.Invalidate();
        RepaintDocumentView();
    }
    UpdateCommandStates();
}

void Application::RepaintDocumentView() {
    if (documentWindow_) documentWindow_->View()->RepaintLabelArea();
}

void Application::RefreshLayerWindow(workspace::LayerWindowRegion region) {
    // The commands first: the window's buttons show their states.
    UpdateCommandStates();
    if (layerWindow_) layerWindow_->Refresh(region);
}

void Application::UpdateLayerScrollBar() {
    if (layerWindow_) layerWindow_->UpdateScrollBar();
}

void Application::RepaintToolWindow() { floating_->RepaintTool(); }

bool Application::AskNewLabelSize() { return windows::AskNewLabelSize(*workspace_); }

void Application::CreateDocumentWindow() {
    auto* labelView = new view::LabelView(doc_, settings_.grid, flags_, interaction_, commands_);
    labelView->SetSource(&viewBitmap_);
    labelView->SetZoom(settings_.zoom, {});
    connect(labelView, &view::LabelView::zoomChanged, this, [this](int percent) { settings_.zoom = percent; });
    documentWindow_ = new view::DocumentWindow(labelView, doc_.header.outerDiameter, doc_.header.innerDiameter);
    connect(documentWindow_, &view::DocumentWindow::closeRequested, this, [this] {
        controller_->CloseDocument();
        UpdateCommandStates();
    });
    connect(labelView, &view::LabelView::mousePositionChanged, floating_.get(), &FloatingWindows::ShowPosition);
    connect(labelView, &view::LabelView::mouseOverRulers, floating_.get(), &FloatingWindows::ClearPosition);
    documentWindow_->setWindowIcon(desktop::DocumentIcon());
    frame_->MdiArea()->addSubWindow(documentWindow_);
    documentWindow_->show();
    FitDocumentWindow();
}

void Application::DestroyDocumentWindow() {
    if (!documentWindow_) return;
    view::DocumentWindow* window = documentWindow_;
    documentWindow_ = nullptr;
    frame_->MdiArea()->removeSubWindow(window);
    window->hide();
    // The close box may be what called us: let its event finish first.
    window->deleteLater();
    viewBitmap_.Clear();
}

std::vector<std::string> Application::RebuildPictures() {
    return workspace_->pictures.RebuildPictures(doc_);
}

void Application::SetFrameTitle(const QString& title) { frame_->setWindowTitle(title); }

void Application::SetAcceptDrops(bool accept) { frame_->SetDropsAccepted(accept); }

QWidget* Application::ShowProgress() {
    progress_ = std::make_unique<windows::NoticeWindow>(QStringLiteral("ﾌｧｲﾙを開いています。しばらくお待ち下さい..."));
    progress_->ShowNotice();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return progress_.get();
}

void Application::HideProgress() {
    if (!progress_) return;
    QApplication::restoreOverrideCursor();
    progress_.reset();
}

void Application::ClearPositionReadout() { floating_->ClearPosition(); }

QWidget* Application::DialogOwner() { return frame_.get(); }

}  // namespace quillora::app
