// The frame's own commands: what each runs and when it can run.
#include <QDesktopServices>
#include <QUrl>

#include "app/Application.h"
#include "app/FloatingWindows.h"
#include "app/FrameWindow.h"
#include "desktop/WebSite.h"
#include "environment/EnvironmentSheet.h"
#include "exporting/ExportLabel.h"
#include "print/MediumDialog.h"
#include "print/PrintLabel.h"
#include "print/PrintPreview.h"
#include "print/PrintSettingsDialog.h"
#include "print/PrinterSetup.h"
#include "windows/AboutBox.h"
#include "windows/TipsDialog.h"

namespace quillora::app {

using commands::CommandId;

void Application::DefineCommands() {
    commands::CommandRegistry& c = commands_;
    DocumentController& documents = *controller_;
    const auto open = [this] { return doc_.documentOpen; };
    const auto closed = [this] { return !doc_.documentOpen; };

    c.Define(CommandId::New, [&documents] { documents.NewDocument(); }, closed);
    c.Define(CommandId::Open, [&documents] {
        if (const auto chosen = documents.ChooseOpenFile()) documents.OpenDocument(*chosen);
    }, closed);
    c.Define(CommandId::Close, [&documents] { documents.CloseDocument(); }, open);
    // A new, never saved document is saved through Save As.
    c.Define(CommandId::Save, [&documents] { documents.SaveDocument(); },
             [this] { return doc_.documentOpen && doc_.documentModified && !doc_.currentFileName.empty(); });
    c.Define(CommandId::SaveAs, [&documents] { documents.SaveDocumentAs(); }, open);
    c.Define(CommandId::Export, [this] { exporting::ExportLabel(*workspace_); }, open);
    c.Define(CommandId::Exit, [this] { Exit(); });

    c.Define(CommandId::Print, [this] { print::PrintLabel(*workspace_, printer_, frame_.get()); }, open);
    c.Define(CommandId::PrintSettings, [this] { print::ShowPrintSettings(*workspace_, printer_); }, open);
    c.Define(CommandId::PrinterSetup, [this] { print::PrinterSetup(*workspace_, printer_, frame_.get()); }, open);
    c.Define(CommandId::PrintPreview, [this] { print::ShowPrintPreview(*workspace_, printer_, frame_.get()); }, open);
    c.Define(CommandId::PrintMedium, [this] { print::ShowMediumDialog(*workspace_, printer_); }, open);

    c.Define(CommandId::ToolWindow, [this] { ToggleFloatingWindow(floating_->Tool(), settings_.toolWindow.view); }, {},
             [this] { return settings_.toolWindow.view != 0; });
    c.Define(CommandId::PositionWindow,
             [this] { ToggleFloatingWindow(floating_->Position(), settings_.positionWindow.view); }, {},
             [this] { return settings_.positionWindow.view != 0; });
    c.Define(CommandId::LayerWindow, [this] { ToggleFloatingWindow(floating_->Layer(), settings_.layerWindow.view); },
             {}, [this] { return settings_.layerWindow.view != 0; });
    c.Define(CommandId::Grid, [this] { ToggleGrid(); }, open, [this] { return settings_.grid.visible != 0; });
    c.Define(CommandId::ArrangeWindows, [this] { ArrangeFloatingWindows(); });
    c.Define(CommandId::FitDocument, [this] { FitDocumentWindow(); }, open);
    c.Define(CommandId::ZoomIn, [this] { ZoomDocumentView(1); }, open);
    c.Define(CommandId::ZoomOut, [this] { ZoomDocumentView(-1); }, open);
    c.Define(CommandId::ZoomActualSize, [this] { ZoomDocumentView(0); }, open);

    c.Define(CommandId::Help, [this] { floating_->ShowHelpContents(); });
    c.Define(CommandId::HelpOnHelp, [this] { floating_->ShowHelpOnHelp(); });
    c.Define(CommandId::Tips, [this] { windows::ShowTips(*workspace_); });
    c.Define(CommandId::Environment,
             [this] { environment::ShowEnvironmentSettings(*workspace_, [this] { ArrangeFloatingWindows(); }); });
    c.Define(CommandId::WebSite, [] { QDesktopServices::openUrl(QUrl(QString::fromUtf8(desktop::kWebSiteUrl))); });
    c.Define(CommandId::About, [this] { windows::ShowAbout(*workspace_); });
}

}  // namespace quillora::app
