#include "EnvironmentSheet.h"

#include <utility>

#include "AssociationPage.h"
#include "GridPage.h"
#include "OtherPage.h"

namespace quillora::environment {

EnvironmentSheet::EnvironmentSheet(workspace::Workspace& ws, std::function<void()> arrangeWindows)
    : PropertySheet(ws.frame, QStringLiteral("環境設定")) {
    AddPage(QStringLiteral("ｸﾞﾘｯﾄﾞ"), [&ws](QWidget* parent) { return new GridPage(ws, parent); });
    AddPage(QStringLiteral("関連付け"), [&ws](QWidget* parent) { return new AssociationPage(ws, parent); });
    AddPage(QStringLiteral("その他"), [&ws, arrange = std::move(arrangeWindows)](QWidget* parent) {
        return new OtherPage(ws, arrange, parent);
    });
}

void ShowEnvironmentSettings(workspace::Workspace& ws, std::function<void()> arrangeWindows) {
    EnvironmentSheet sheet(ws, std::move(arrangeWindows));
    ws.interaction.RunDialog(sheet);
}

}  // namespace quillora::environment
