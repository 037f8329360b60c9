#pragma once
// Every change to the stack of layers: new, settings, move, copy, delete. The frame menu,
// the document window's context menu and the layer window all call these.
#include "document/LabelDocument.h"
#include "workspace/Workspace.h"

class QWidget;

namespace quillora::layers {

class LayerOperations {
public:
    explicit LayerOperations(workspace::Workspace& ws);

    // The limit message and the delete question are owned by the layer window.
    void SetMessageOwner(QWidget* layerWindow) { messageOwner_ = layerWindow; }

    void NewTextLayer();
    void NewPictureLayer();
    // The document window's menu proposes the next new layer at the clicked point (whole mm).
    void ProposeTextLayerAt(int xMm, int yMm);
    void ProposePictureLayerAt(int xMm, int yMm);
    void EditLayerProperties(int pos);
    // The list layer's property sheet; only beeps while it is open already.
    void ShowListSettings();
    void MoveLayer(int pos, document::MoveDirection direction);
    void CopyLayer(int pos);
    void DeleteLayer(int pos);
    // Shows or hides the layer at a position; the background never changes. A step of the edit
    // history that leaves the modified flag as it is.
    void ToggleLayerVisible(int pos);
    // The frame menu and the context menu open it without the dialog-open check.
    void ShowBackgroundSettings();

    // The slot whose settings dialog is open; -1 when none.
    int EditedSlot() const { return editedSlot_; }

private:
    bool RefuseAtLimit();
    void EditTextLayer(int pos, int slot);
    void EditPictureLayer(int pos, int slot);

    workspace::Workspace& ws_;
    QWidget* messageOwner_ = nullptr;
    int editedSlot_ = -1;
};

}  // namespace quillora::layers
