#include "LayerOperations.h"

#include <QDialog>
#include <QString>

#include "BackgroundLayerDialog.h"
#include "LayerRefresh.h"
#include "LayerValues.h"
#include "PictureLayerDialog.h"
#include "SlotPicture.h"
#include "TextLayerDialog.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

namespace quillora::layers {

using document::KindBackground;
using document::KindList;
using document::KindPicture;
using document::KindText;

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
    layer.kind = KindText;
    StoreTextLayer(layer, ws_.settings.text);
    ws_.doc.InsertAtSelection(slot);
    RefreshAfterStackChange(ws_);
}

void LayerOperations::NewPictureLayer() {
    if (!ws_.doc.documentOpen) return;
    if (ws_.flags.pictureDialogOpen) return ws_.interaction.Beep();
    if (RefuseAtLimit()) return;
    PictureLayerDialog dialog(ws_, DialogVariant::NewLayer);
    if (ws_.interaction.RunDialog(dialog) != QDialog::Accepted) return;

    int slot = ws_.doc.FindFreeSlot();
    document::LayerRecord& layer = ws_.doc.layers[slot];
    layer.kind = KindPicture;
    layer.visible = 1;
    StorePictureLayer(layer, ws_.settings.picture);
    LoadLayerPicture(ws_, slot);
    ws_.doc.InsertAtSelection(slot);
    RefreshAfterStackChange(ws_);
}

void LayerOperations::NewTextLayerAt(int xMm, int yMm) {
    ws_.settings.text.posX = xMm;
    ws_.settings.text.posY = yMm;
    NewTextLayer();
}

void LayerOperations::NewPictureLayerAt(int xMm, int yMm) {
    ws_.settings.picture.posX = xMm;
    ws_.settings.picture.posY = yMm;
    NewPictureLayer();
}

void LayerOperations::EditLayerProperties(int pos) {
    if (!ws_.doc.documentOpen) return;
    int slot = ws_.doc.SlotAt(pos);
    switch (ws_.doc.KindAt(pos)) {
    case KindBackground:
        if (ws_.flags.backgroundDialogOpen) return ws_.interaction.Beep();
        return ShowBackgroundSettings();
    case KindList:
        // The list layer's property sheet is not part of this library yet.
        if (ws_.flags.listSheetOpen) return ws_.interaction.Beep();
        return;
    case KindText:
        if (ws_.flags.textDialogOpen) return ws_.interaction.Beep();
        return EditTextLayer(pos, slot);
    case KindPicture:
        if (ws_.flags.pictureDialogOpen) return ws_.interaction.Beep();
        return EditPictureLayer(pos, slot);
    default:
        return;
    }
}

void LayerOperations::EditTextLayer(int pos, int slot) {
    LoadTextSettings(ws_.settings.text, ws_.doc.layers[slot]);
    editedSlot_ = slot;
    TextLayerDialog dialog(ws_, DialogVariant::LayerSettings, slot);
    int result = ws_.interaction.RunDialog(dialog);
    editedSlot_ = -1;
    if (result != QDialog::Accepted) return;
    int target = ws_.doc.SlotAt(pos);
    if (target < 0) return;
    StoreTextLayer(ws_.doc.layers[target], ws_.settings.text);
    RefreshAfterSettings(ws_);
}

void LayerOperations::EditPictureLayer(int pos, int slot) {
    LoadPictureSettings(ws_.settings.picture, ws_.doc.layers[slot]);
    editedSlot_ = slot;
    PictureLayerDialog dialog(ws_, DialogVariant::LayerSettings, slot);
    int result = ws_.interaction.RunDialog(dialog);
    editedSlot_ = -1;
    if (result != QDialog::Accepted) return;
    int target = ws_.doc.SlotAt(pos);
    if (target < 0) return;
    StorePictureLayer(ws_.doc.layers[target], ws_.settings.picture);
    LoadLayerPicture(ws_, target);
    RefreshAfterSettings(ws_);
}

void LayerOperations::MoveLayer(int pos, document::MoveDirection direction) {
    if (!ws_.doc.documentOpen) return;
    if (!ws_.doc.MoveLayer(pos, direction)) return;
    RefreshAfterReorder(ws_);
}

void LayerOperations::CopyLayer(int pos) {
    if (!ws_.doc.documentOpen) return;
    if (ws_.doc.KindAt(pos) < KindText) return;
    if (RefuseAtLimit()) return;
    int slot = ws_.doc.CopyLayerRecord(pos);
    if (slot < 0) return;
    // The copy gets a picture of its own, never the source's.
    if (ws_.doc.layers[slot].kind == KindPicture) LoadLayerPicture(ws_, slot);
    RefreshAfterStackChange(ws_);
}

void LayerOperations::DeleteLayer(int pos) {
    if (!ws_.doc.documentOpen) return;
    const document::LayerRecord* layer = ws_.doc.LayerAt(pos);
    if (!layer || layer->kind < KindText) return;
    workspace::Message question;
    question.owner = messageOwner_;
    question.text = QStringLiteral("ﾚｲﾔｰ：「%1」を削除します。よろしいですか？")
                        .arg(QString::fromStdString(text::Cp932ToUtf8(text::FieldView(layer->name))));
    question.caption = QStringLiteral("ﾚｲﾔｰ削除");
    question.icon = workspace::MessageIcon::Question;
    question.buttons = workspace::MessageButtons::YesNo;
    question.defaultButton = workspace::Answer::No;
    if (ws_.interaction.ShowMessage(question) != workspace::Answer::Yes) return;
    ws_.doc.FreeSlotAt(pos);
    RefreshAfterStackChange(ws_);
}

void LayerOperations::ShowBackgroundSettings() {
    if (!ws_.doc.documentOpen) return;
    BackgroundLayerDialog dialog(ws_);
    ws_.interaction.RunDialog(dialog);
}

}  // namespace quillora::layers
