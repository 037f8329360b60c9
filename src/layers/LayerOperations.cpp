#include "LayerOperations.h"

#include <QDialog>
#include <QString>

#include "BackgroundLayerDialog.h"
#include "document/LayerValues.h"
#include "listlayer/ListLayerSheet.h"
#include "PictureLayerDialog.h"
#include "LoadLayerPicture.h"
#include "TextLayerDialog.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "workspace/Captions.h"
#include "canvas/RecordText.h"

namespace quillora::layers {

using document::ChangeScope;
using document::LayerKind;
namespace caption = workspace::caption;

LayerOperations::LayerOperations(workspace::Workspace& ws) : ws_(ws) {}

bool LayerOperations::RefuseAtLimit() {
    if (ws_.doc.CanAddLayer()) return false;
    workspace::Message message;
    message.owner = messageOwner_;
    message.text = QStringLiteral("これ以上ﾚｲﾔｰを増やす事はできません。不要なﾚｲﾔｰを削除して下さい。");
    message.caption = QStringLiteral("ﾚｲﾔｰ作成");
    message.icon = workspace::MessageIcon::Stop;
    ws_.interaction.ShowMessage(message);
    return true;
}

void LayerOperations::NewTextLayer() {
    if (!ws_.doc.documentOpen) return;
    if (ws_.flags.textDialogOpen) return ws_.interaction.Beep();
    if (RefuseAtLimit()) return;
    TextLayerDialog dialog(ws_, DialogVariant::NewLayer);
    if (ws_.interaction.RunDialog(dialog) != QDialog::Accepted) return;

    int slot = ws_.doc.FindFreeSlot();
    document::LayerRecord& layer = ws_.doc.layers[slot];
    layer.kind = LayerKind::Text;
    document::StoreTextLayer(layer, ws_.settings.text);
    ws_.doc.InsertAtSelection(slot);
    ws_.doc.CommitEdit(caption::kNewTextLayer, ChangeScope::Stack);
}

void LayerOperations::NewPictureLayer() {
    if (!ws_.doc.documentOpen) return;
    if (ws_.flags.pictureDialogOpen) return ws_.interaction.Beep();
    if (RefuseAtLimit()) return;
    PictureLayerDialog dialog(ws_, DialogVariant::NewLayer);
    if (ws_.interaction.RunDialog(dialog) != QDialog::Accepted) return;

    int slot = ws_.doc.FindFreeSlot();
    document::LayerRecord& layer = ws_.doc.layers[slot];
    layer.kind = LayerKind::Picture;
    layer.visible = 1;
    document::StorePictureLayer(layer, ws_.settings.picture);
    LoadLayerPicture(ws_, slot);
    ws_.doc.InsertAtSelection(slot);
    ws_.doc.CommitEdit(caption::kNewPictureLayer, ChangeScope::Stack);
}

void LayerOperations::ProposeTextLayerAt(int xMm, int yMm) {
    ws_.settings.text.posX = xMm;
    ws_.settings.text.posY = yMm;
}

void LayerOperations::ProposePictureLayerAt(int xMm, int yMm) {
    ws_.settings.picture.posX = xMm;
    ws_.settings.picture.posY = yMm;
}

void LayerOperations::EditLayerProperties(int pos) {
    if (!ws_.doc.documentOpen) return;
    int slot = ws_.doc.SlotAt(pos);
    switch (ws_.doc.KindAt(pos)) {
    case LayerKind::Background:
        if (ws_.flags.backgroundDialogOpen) return ws_.interaction.Beep();
        return ShowBackgroundSettings();
    case LayerKind::List:
        return ShowListSettings();
    case LayerKind::Text:
        if (ws_.flags.textDialogOpen) return ws_.interaction.Beep();
        return EditTextLayer(pos, slot);
    case LayerKind::Picture:
        if (ws_.flags.pictureDialogOpen) return ws_.interaction.Beep();
        return EditPictureLayer(pos, slot);
    default:
        return;
    }
}

void LayerOperations::EditTextLayer(int pos, int slot) {
    document::LoadTextSettings(ws_.settings.text, ws_.doc.layers[slot]);
    editedSlot_ = slot;
    TextLayerDialog dialog(ws_, DialogVariant::LayerSettings, slot);
    int result = ws_.interaction.RunDialog(dialog);
    editedSlot_ = -1;
    if (result != QDialog::Accepted) return;
    int target = ws_.doc.SlotAt(pos);
    if (target < 0) return;
    document::StoreTextLayer(ws_.doc.layers[target], ws_.settings.text);
    ws_.doc.CommitEdit(caption::kTextLayerSettings, ChangeScope::Layer);
}

void LayerOperations::EditPictureLayer(int pos, int slot) {
    document::LoadPictureSettings(ws_.settings.picture, ws_.doc.layers[slot]);
    editedSlot_ = slot;
    PictureLayerDialog dialog(ws_, DialogVariant::LayerSettings, slot);
    int result = ws_.interaction.RunDialog(dialog);
    editedSlot_ = -1;
    if (result != QDialog::Accepted) return;
    int target = ws_.doc.SlotAt(pos);
    if (target < 0) return;
    document::StorePictureLayer(ws_.doc.layers[target], ws_.settings.picture);
    LoadLayerPicture(ws_, target);
    ws_.doc.CommitEdit(caption::kPictureLayerSettings, ChangeScope::Layer);
}

void LayerOperations::ShowListSettings() {
    if (!ws_.doc.documentOpen) return;
    if (ws_.flags.listSheetOpen) return ws_.interaction.Beep();
    listlayer::ShowListLayerSheet(ws_);
}

void LayerOperations::MoveLayer(int pos, document::MoveDirection direction) {
    if (!ws_.doc.documentOpen) return;
    if (!ws_.doc.MoveLayer(pos, direction)) return;
    ws_.doc.CommitEdit(caption::kMoveLayer, ChangeScope::Order);
}

void LayerOperations::CopyLayer(int pos) {
    if (!ws_.doc.documentOpen) return;
    if (!ws_.doc.CanCopyOrDelete(pos)) return;
    if (RefuseAtLimit()) return;
    if (ws_.doc.CopyLayerRecord(pos) < 0) return;
    ws_.doc.CommitEdit(caption::kCopyLayer, ChangeScope::Stack);
}

void LayerOperations::DeleteLayer(int pos) {
    if (!ws_.doc.documentOpen) return;
    if (!ws_.doc.CanCopyOrDelete(pos)) return;
    const document::LayerRecord* layer = ws_.doc.LayerAt(pos);
    workspace::Message question;
    question.owner = messageOwner_;
    question.text = QStringLiteral("ﾚｲﾔｰ：「%1」を削除します。よろしいですか？")
                        .arg(canvas::FieldToQString(layer->name));
    question.caption = QString::fromUtf8(caption::kDeleteLayer);
    question.icon = workspace::MessageIcon::Question;
    question.buttons = workspace::MessageButtons::YesNo;
    question.defaultButton = workspace::Answer::No;
    if (ws_.interaction.ShowMessage(question) != workspace::Answer::Yes) return;
    ws_.doc.FreeSlotAt(pos);
    ws_.doc.CommitEdit(caption::kDeleteLayer, ChangeScope::Stack);
}

void LayerOperations::ToggleLayerVisible(int pos) {
    if (!ws_.doc.documentOpen) return;
    const int slot = ws_.doc.SlotAt(pos);
    if (slot < 0 || ws_.doc.layers[slot].kind == LayerKind::Background) return;
    ws_.doc.layers[slot].visible = ws_.doc.layers[slot].visible ? 0 : 1;
    ws_.doc.CommitEdit(caption::kToggleLayer, ChangeScope::Lamp);
}

void LayerOperations::ShowBackgroundSettings() {
    if (!ws_.doc.documentOpen) return;
    BackgroundLayerDialog dialog(ws_);
    ws_.interaction.RunDialog(dialog);
}

}  // namespace quillora::layers
