#include "windows/ToolWindow.h"

#include <QCloseEvent>
#include <QString>

#include "desktop/AppIcon.h"
#include "widgets/ControlId.h"
#include "windows/ToolButton.h"
#include "widgets/FloatingWindowFlags.h"

namespace quillora::windows {
namespace {

struct ButtonPlace {
    int commandId;
    int x, y;
    const char* label;
};

constexpr ButtonPlace kButtons[] = {
    {40067, 2, 2, "新規作成…"},   {40068, 98, 2, "保存…"},
    {40069, 2, 28, "印刷…"},      {40071, 98, 28, "印刷設定…"},
    {40072, 2, 49, "プリンタ設定…"}, {40070, 98, 49, "印刷プレビュー…"},
};

}  // namespace

ToolWindow::ToolWindow(workspace::Workspace& ws)
    : QWidget(nullptr, widgets::kFloatingWindowFlags),
      ws_(ws) {
    setObjectName(QStringLiteral("ToolWindow"));
    setWindowTitle(QString::fromUtf8("ﾂｰﾙ"));
    setWindowIcon(desktop::ApplicationIcon());
    setFixedSize(kClientWidth, kClientHeight);
    move(ws.settings.toolWindow.posX, ws.settings.toolWindow.posY);
    for (const ButtonPlace& place : kButtons) {
        auto* button = widgets::WithId(new ToolButton(place.commandId, QString::fromUtf8(place.label), ws.doc, this),
                              place.commandId);
        button->move(place.x, place.y);
        connect(button, &ToolButton::clicked, this, [this, id = place.commandId] { CarryOut(id); });
        buttons_.push_back(button);
    }
}

ToolButton* ToolWindow::button(int commandId) const {
    for (ToolButton* b : buttons_)
        if (b->commandId() == commandId) return b;
    return nullptr;
}

void ToolWindow::CarryOut(int commandId) {
    if (ws_.flags.any()) {
        ws_.interaction.Beep();
        return;
    }
    const bool wantsDocument = commandId != kNewDocumentCommand;
    if (ws_.doc.documentOpen == wantsDocument) emit commandRequested(commandId);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    ws_.settings.toolWindow.view = 0;
    event->accept();
    emit closedByUser();
}

}  // namespace quillora::windows
