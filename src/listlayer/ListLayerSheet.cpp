#include "ListLayerSheet.h"

#include "ListEditPage.h"
#include "ListFormatPage.h"
#include "ListLayoutPage.h"
#include "workspace/Captions.h"

namespace quillora::listlayer {

ListLayerSheet::ListLayerSheet(workspace::Workspace& ws)
    : PropertySheet(ws.frame, QString::fromUtf8(workspace::caption::kListLayerSettings)), ws_(ws), openFlag_(ws.flags.listSheetOpen),
      snapshot_(ws.doc.list) {
    AddPage(QStringLiteral("ﾘｽﾄ編集"), [&ws](QWidget* parent) { return new ListEditPage(ws, parent); });
    AddPage(QStringLiteral("ﾚｲｱｳﾄ"), [&ws](QWidget* parent) { return new ListLayoutPage(ws, parent); });
    AddPage(QStringLiteral("書式"), [&ws](QWidget* parent) { return new ListFormatPage(ws, parent); });
    connect(this, &PropertySheet::applied, this, [this] {
        ws_.doc.CommitEdit(workspace::caption::kListLayerSettings, document::ChangeScope::List);
        snapshot_ = ws_.doc.list;
    });
}

// Nothing after the last Apply was drawn, so putting the list back needs no redraw.
void ListLayerSheet::reject() {
    ws_.doc.list = snapshot_;
    PropertySheet::reject();
}

void ListLayerSheet::done(int result) {
    openFlag_.Release();
    PropertySheet::done(result);
}

void ShowListLayerSheet(workspace::Workspace& ws) {
    ListLayerSheet sheet(ws);
    ws.interaction.RunDialog(sheet);
}

}  // namespace quillora::listlayer
