#include "LayerRefresh.h"

namespace quillora::layers {

using workspace::LayerWindowRegion;

void RefreshAfterStackChange(workspace::Workspace& ws) {
    ws.doc.documentModified = true;
    ws.views.UpdateLayerScrollBar();
    ws.views.RefreshLayerWindow(workspace::LayerWindowRegion::All);
    ws.views.RefreshDocumentView();
}

void RefreshAfterReorder(workspace::Workspace& ws) {
    ws.doc.documentModified = true;
    ws.views.RefreshLayerWindow(workspace::LayerWindowRegion::Reorder);
    ws.views.RefreshDocumentView();
}

void RefreshAfterSettings(workspace::Workspace& ws) {
    ws.doc.documentModified = true;
    ws.views.RefreshLayerWindow(workspace::LayerWindowRegion::Selection);
    ws.views.RefreshDocumentView();
}

}  // namespace quillora::layers
