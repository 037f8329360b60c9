#include "Application.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QUrl>

#include "app/CommandStates.h"
#include "app/FloatingWindows.h"
#include "app/FrameWindow.h"
#include "app/LayerCommands.h"
#include "app/MenuTable.h"
#include "app/WindowPlacement.h"
#include "canvas/FontMapping.h"
#include "layers/LayerWindow.h"
#include "pictures/PictureLibrary.h"
#include "settings/SettingsFile.h"
#include "text/Cp932.h"
#include "ui/NoticeWindow.h"
#include "ui/QtInteraction.h"
#include "ui/AboutBox.h"
#include "ui/AppIcon.h"
#include "ui/FileAssociation.h"
#include "ui/NewLabelSizeDialog.h"
#include "ui/TipsDialog.h"
#include "ui/WebSite.h"
#include "view/LabelView.h"

namespace quillora::app {
namespace {

constexpr int kFirstRunWidth = 800;
constexpr int kFirstRunHeight = 600;

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
      ownInteraction_(options_.interaction ? nullptr : std::make_unique<ui::QtInteraction>()),
      interaction_(options_.interaction ? *options_.interaction : *ownInteraction_) {
    secondStageTimer_.setSingleShot(true);
    connect(&secondStageTimer_, &QTimer::timeout, this, &Application::RunSecondStage);
    frame_ = std::make_unique<FrameWindow>();
    workspace_ = std::make_unique<ui::Workspace>(
        ui::Workspace{doc_, settings_, flags_, interaction_, *this, options_.programDir, QString(), frame_.get()});
    DocumentHost& host = *this;
    controller_ = std::make_unique<DocumentController>(doc_, settings_, interaction_, *this, host);
    floating_ = std::make_unique<FloatingWindows>(*workspace_);
    layers_ = std::make_unique<LayerCommands>(*workspace_);

    connect(frame_.get(), &FrameWindow::commandTriggered, this, &Application::RunCommand);
    connect(frame_.get(), &FrameWindow::menuAboutToShow, this, &Application::UpdateCommandStates);
    connect(frame_.get(), &FrameWindow::exitRequested, this, &Application::Exit);
    connect(frame_.get(), &FrameWindow::fileDropped, this, &Application::OnDrop);
    connect(frame_.get(), &FrameWindow::dropRefused, this, [this] { interaction_.Beep(); });
    connect(frame_.get(), &FrameWindow::movedOrResized, this, [this] {
        if (settings_.autoArrange) ArrangeToolWindows();
    });
    connect(frame_->mdiArea(), &QMdiArea::subWindowActivated, this, [this] {
        UpdateLayerScrollBar();
        RefreshLayerWindow(ui::LayerWindowRegion::All);
    });
    connect(floating_.get(), &FloatingWindows::toolCommandRequested, this, &Application::OnToolCommand);
    connect(floating_.get(), &FloatingWindows::closedByUser, this, &Application::UpdateCommandStates);
}

Application::~Application() {
    // The frame's children report their own destruction (the MDI area deactivates its window):
    // nothing of that may reach a half-destroyed frame.
    frame_->mdiArea()->disconnect(this);
    frame_->disconnect(this);
}

void Application::Start() {
    canvas::FontMapping::RegisterSubstitutions();
    frame_->setWindowIcon(ui::ApplicationIcon());
    doc_.InitialiseAtStartup();
    workspace_->pictureFilter = QtPictureFilter(pictures::PictureLibrary(options_.programDir).BuildPictureFilter());
    for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
    settings::LoadSettings(options_.settingsDir, settings_, doc_);

    settings::FramePlacement placement = settings_.frame;
    if (settings_.firstRun) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        placement.posX = (screen.width() - kFirstRunWidth) / 2;
        placement.posY = (screen.height() - kFirstRunHeight) / 2;
    }
    ApplyFramePlacement(*frame_, placement);
    UpdateCommandStates();
    if (settings_.frame.max) frame_->showMaximized();
    else frame_->show();
    floating_->ShowSplash();

    const QString commandLine = options_.arguments.join(QLatin1Char(' '));
    openAtStart_ = !commandLine.isEmpty();
    if (openAtStart_) doc_.selectedFileName = text::Utf8PathToStored(commandLine.toStdString());
    if (options_.runTimer) secondStageTimer_.start(kSecondStageDelayMs);
}

void Application::RunSecondStage() {
    secondStageTimer_.stop();
    doc_.RenumberListEntries();
    floating_->Create();
    auto* layerWindow = layers_->CreateWindow();
    connect(layerWindow, &layers::LayerWindow::closedByUser, this, &Application::UpdateCommandStates);
    floating_->setLayer(layerWindow);
    const bool arrangeAfterShowing = settings_.firstRun != 0;
    if (settings_.firstRun) {
        ArrangeToolWindows();
        AskFileAssociation();
        settings_.firstRun = 0;
    }
    floating_->ShowAccordingToFlags();
    // The window manager frames the windows only once they are shown: stack them again with their
    // final heights.
    if (arrangeAfterShowing) ArrangeToolWindows();
    floating_->CloseSplash();
    if (settings_.showTipsAtStart) ui::ShowTips(*workspace_);
    // A command-line document that cannot be opened leaves the program taking drops.
    if (!openAtStart_ || !controller_->OpenDocument()) SetAcceptDrops(true);
    UpdateCommandStates();
    frame_->activateWindow();
}

void Application::AskFileAssociation() {
    const QString text = QStringLiteral("%1で作成するﾃﾞｰﾀﾌｧｲﾙ（*.qlr）を、%1に関連付けます。\n関連付けの設定・解除は後から自由に行えます。\n\nここで、関連付けの設定を行ってもよろしいですか？")
                             .arg(kProductName);
    const ui::Answer answer = interaction_.ShowMessage({frame_.get(), text, QStringLiteral("確認"),
                                                        ui::MessageIcon::Question, ui::MessageButtons::YesNo,
                                                        ui::Answer::Yes});
    if (answer == ui::Answer::Yes) ui::RegisterFileAssociation(QCoreApplication::applicationFilePath().toStdString());
}

bool Application::Exit() {
    if (!controller_->CloseDocument()) return false;
    ui::NoticeWindow notice(QStringLiteral("終了処理中です。しばらくお待ち下さい..."));
    notice.showNotice();
    CaptureWindowPlaces();
    settings::SaveSettings(options_.settingsDir, settings_, doc_);
    viewBitmap_.Clear();
    floating_->CloseAll();
    frame_->allowClose();
    frame_->close();
    emit exited();
    return true;
}

void Application::CaptureWindowPlaces() {
    settings_.frame = CaptureFramePlacement(*frame_);
    floating_->CapturePositions();
}

void Application::RunCommand(int id) {
    switch (id) {
    case command::Exit: this->Exit(); break;
    case command::Help: floating_->ShowHelpContents(); break;
    case command::HelpOnHelp: floating_->ShowHelpOnHelp(); break;
    case command::About: ui::ShowAbout(*workspace_); break;
    case command::Tips: ui::ShowTips(*workspace_); break;
    case command::WebSite: QDesktopServices::openUrl(QUrl(ui::kWebSiteUrl)); break;
    case command::New: controller_->NewDocument(); break;
    case command::Open:
        if (controller_->ChooseOpenFile()) controller_->OpenDocument();
        break;
    case command::Close: controller_->CloseDocument(); break;
    case command::Save: controller_->SaveDocument(); break;
    case command::SaveAs: controller_->SaveDocumentAs(); break;
    case command::FitDocument: FitDocumentWindow(); break;
    case command::Grid: ToggleGrid(); break;
    case command::ToolWindow: ToggleFloatingWindow(floating_->tool(), settings_.toolWindow.view); break;
    case command::PositionWindow: ToggleFloatingWindow(floating_->position(), settings_.positionWindow.view); break;
    case command::LayerWindow: ToggleFloatingWindow(floating_->layer(), settings_.layerWindow.view); break;
    case command::ArrangeWindows: ArrangeToolWindows(); break;
    default: layers_->Run(id); break;  // printing, the list and the environment settings come later
    }
    UpdateCommandStates();
}

void Application::OnToolCommand(int id) {
    // The tool window has already refused what the dialog flags and the document state forbid.
    if (id == command::ToolNew) controller_->NewDocument();
    else if (id == command::ToolSave) controller_->SaveDocument();
    UpdateCommandStates();
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
    doc_.selectedFileName = text::Utf8PathToStored(path.toStdString());
    controller_->OpenDocument();
    UpdateCommandStates();
}

void Application::UpdateCommandStates() {
    frame_->applyCommandStates([this](int id) { return StateOf(id, doc_, settings_); });
}

QWidget* Application::toolWindow() const { return floating_ ? floating_->tool() : nullptr; }
QWidget* Application::positionWindow() const { return floating_ ? floating_->position() : nullptr; }
QWidget* Application::layerWindow() const { return layers_->window(); }

void Application::ArrangeToolWindows() {
    const auto stack = floating_->StackOrder();
    app::ArrangeToolWindows(frame_->clientTopRight(), stack);
    frame_->activateWindow();
}

void Application::FitDocumentWindow() {
    if (documentWindow_) documentWindow_->fitToLabel(doc_.state.outerPx);
}

void Application::RefreshDocumentView() {
    viewBitmap_.Render(doc_);
    RepaintDocumentView();
    UpdateCommandStates();
}

void Application::RepaintDocumentView() {
    if (documentWindow_) documentWindow_->labelView()->repaintLabelArea();
}

void Application::RefreshLayerWindow(ui::LayerWindowRegion region) {
    layers_->Refresh(region);
    UpdateCommandStates();
}

void Application::UpdateLayerScrollBar() { layers_->UpdateScrollBar(); }

void Application::RepaintToolWindow() { floating_->RepaintTool(); }

bool Application::AskNewLabelSize() { return ui::AskNewLabelSize(*workspace_); }

void Application::CreateDocumentWindow() {
    viewBitmap_.Render(doc_);
    auto* labelView = new view::LabelView(doc_, settings_.grid, flags_, interaction_);
    labelView->setSource(&viewBitmap_.image());
    documentWindow_ = new view::DocumentWindow(labelView, doc_.header.outerDiameter, doc_.header.innerDiameter);
    connect(documentWindow_, &view::DocumentWindow::closeRequested, this, [this] {
        controller_->CloseDocument();
        UpdateCommandStates();
    });
    connect(labelView, &view::LabelView::mousePositionChanged, floating_.get(), &FloatingWindows::ShowPosition);
    connect(labelView, &view::LabelView::mouseOverRulers, floating_.get(), &FloatingWindows::ClearPosition);
    LayerCommands* layers = layers_.get();
    connect(labelView, &view::LabelView::newTextLayerRequested, this,
            [layers](int xMm, int yMm) { layers->NewTextLayerAt(xMm, yMm); });
    connect(labelView, &view::LabelView::newPictureLayerRequested, this,
            [layers](int xMm, int yMm) { layers->NewPictureLayerAt(xMm, yMm); });
    connect(labelView, &view::LabelView::backgroundSettingsRequested, this,
            [layers] { layers->ShowBackgroundSettings(); });
    documentWindow_->setWindowIcon(ui::DocumentIcon());
    frame_->mdiArea()->addSubWindow(documentWindow_);
    documentWindow_->show();
    FitDocumentWindow();
}

void Application::DestroyDocumentWindow() {
    if (!documentWindow_) return;
    view::DocumentWindow* window = documentWindow_;
    documentWindow_ = nullptr;
    frame_->mdiArea()->removeSubWindow(window);
    window->hide();
    // The close box may be what called us: let its event finish first.
    window->deleteLater();
    viewBitmap_.Clear();
}

std::vector<std::string> Application::RebuildPictures() {
    return pictures::PictureLibrary(options_.programDir).RebuildPictures(doc_);
}

void Application::SetFrameTitle(const QString& title) { frame_->setWindowTitle(title); }

void Application::SetAcceptDrops(bool accept) { frame_->setDropsAccepted(accept); }

QWidget* Application::ShowProgress() {
    progress_ = std::make_unique<ui::NoticeWindow>(QStringLiteral("ﾌｧｲﾙを開いています。しばらくお待ち下さい..."));
    progress_->showNotice();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return progress_.get();
}

void Application::HideProgress() {
    if (!progress_) return;
    QApplication::restoreOverrideCursor();
    progress_.reset();
}

void Application::ClearPositionReadout() { floating_->ClearPosition(); }

QWidget* Application::Frame() { return frame_.get(); }

}  // namespace quillora::app
