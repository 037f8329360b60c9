#include "LayerRefresh.h"

namespace quillora::layers {

using ui::LayerWindowRegion;

void RefreshAfterStackChange(ui::Workspace& ws) {
    ws.doc.documentModified = true;
    ws.views.UpdateLayerScrollBar();
    ws.views.RefreshLayerWindow(LayerWindowRegion::All);
    ws.views.RefreshDocumentView();
}

void RefreshAfterReorder(ui::Workspace& ws) {
    ws.doc.documentModified = true;
    ws.views.RefreshLayerWindow(LayerWindowRegion::Reorder);
    ws.views.RefreshDocumentView();
}

void RefreshAfterSettings(ui::Workspace& ws) {
    ws.doc.documentModified = true;
    ws.views.RefreshLayerWindow(LayerWindowRegion::Selection);
    ws.views.RefreshDocumentView();
}

}  // namespace quillora::layers
