#include "windows/ToolWindow.h"

#include <QCloseEvent>
#include <QString>

#include "desktop/AppIcon.h"
#include "widgets/ControlId.h"
#include "windows/ToolButton.h"
#include "widgets/FloatingWindowFlags.h"

namespace quillora::windows {
namespace {

using commands::CommandId;

struct ButtonPlace {
    int id;
    CommandId command;
    int x, y;
    const char* label;
};

constexpr ButtonPlace kButtons[] = {
    {ToolWindow::kNewId, CommandId::New, 2, 2, "新規作成…"},
    {ToolWindow::kSaveId, CommandId::Save, 98, 2, "保存…"},
    {ToolWindow::kPrintId, CommandId::Print, 2, 28, "印刷…"},
    {ToolWindow::kPrintSettingsId, CommandId::PrintSettings, 98, 28, "印刷設定…"},
    {ToolWindow::kPrinterSetupId, CommandId::PrinterSetup, 2, 49, "プリンタ設定…"},
    {ToolWindow::kPreviewId, CommandId::PrintPreview, 98, 49, "印刷プレビュー…"},
};

}  // namespace

ToolWindow::ToolWindow(workspace::Workspace& ws, commands::CommandRegistry& commands)
    : QWidget(nullptr, widgets::kFloatingWindowFlags),
      ws_(ws), commands_(commands) {
    setObjectName(QStringLiteral("ToolWindow"));
    setWindowTitle(QString::fromUtf8("ﾂｰﾙ"));
    setWindowIcon(desktop::ApplicationIcon());
    setFixedSize(kClientWidth, kClientHeight);
    move(ws.settings.toolWindow.posX, ws.settings.toolWindow.posY);
    for (const ButtonPlace& place : kButtons) {
        const bool withoutDocument = place.command == CommandId::New;
        auto* button = widgets::WithId(
            new ToolButton(place.id, QString::fromUtf8(place.label), withoutDocument, ws.doc, this), place.id);
        button->move(place.x, place.y);
        connect(button, &ToolButton::clicked, this,
                [this, button, command = place.command] { CarryOut(*button, command); });
        buttons_.push_back(button);
    }
}

ToolButton* ToolWindow::Button(int id) const {
    for (ToolButton* b : buttons_)
        if (b->Id() == id) return b;
    return nullptr;
}

// Save runs as the menu's save does, asking for a name when there is none, even where the
// menu item is greyed: the button has its own rule.
void ToolWindow::CarryOut(const ToolButton& button, CommandId command) {
    if (ws_.flags.Any()) return ws_.interaction.Beep();
    if (button.Available()) commands_.RunIgnoringRule(command);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    ws_.settings.toolWindow.view = 0;
    event->accept();
    emit closedByUser();
}

}  // namespace quillora::windows
