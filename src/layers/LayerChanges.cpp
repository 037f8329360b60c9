#include "layers/LayerChanges.h"

namespace quillora::layers {

using workspace::LayerWindowRegion;

void EndStackChange(workspace::Workspace& ws, const std::string& step) {
    ws.doc.CommitEdit(step);
    ws.views.UpdateLayerScrollBar();
    ws.views.RefreshLayerWindow(LayerWindowRegion::All);
    ws.views.RefreshDocumentView();
}

void EndReorder(workspace::Workspace& ws) {
    ws.doc.CommitEdit("ﾚｲﾔｰ移動");
    ws.views.RefreshLayerWindow(LayerWindowRegion::Reorder);
    ws.views.RefreshDocumentView();
}

void EndSettingsChange(workspace::Workspace& ws, const std::string& step) {
    ws.doc.CommitEdit(step);
    ws.views.RefreshLayerWindow(LayerWindowRegion::Selection);
    ws.views.RefreshDocumentView();
}

}  // namespace quillora::layers
