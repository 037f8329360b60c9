#include "workspace/DocumentViews.h"

namespace quillora::workspace {

using document::ChangeScope;

void ShowChange(DocumentViews& views, ChangeScope scope) {
    switch (scope) {
        case ChangeScope::Stack:
            views.UpdateLayerScrollBar();
            views.RefreshLayerWindow(LayerWindowRegion::All);
            views.RefreshDocumentView();
            return;
        case ChangeScope::Order:
            views.RefreshLayerWindow(LayerWindowRegion::Reorder);
            views.RefreshDocumentView();
            return;
        case ChangeScope::Layer:
            views.RefreshLayerWindow(LayerWindowRegion::Selection);
            views.RefreshDocumentView();
            return;
        case ChangeScope::Lamp:
            views.RefreshLayerWindow(LayerWindowRegion::Lamps);
            views.RefreshDocumentView();
            return;
        case ChangeScope::List:
        case ChangeScope::Background:
            views.RefreshDocumentView();
            return;
        case ChangeScope::PrintSettings:
            return;
        case ChangeScope::Grid:
            // The grid is the window's own drawing: the label needs no new rendering.
            views.RepaintDocumentView();
            return;
        case ChangeScope::Whole:
            views.UpdateLayerScrollBar();
            views.RefreshLayerWindow(LayerWindowRegion::All);
            views.RefreshDocumentView();
            views.RepaintToolWindow();
            return;
    }
}

}  // namespace quillora::workspace
