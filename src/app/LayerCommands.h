#pragma once
// The frame's layer commands, the document window's new-layer menu and the layer window,
// joined to the layer operations.
#include <memory>

#include "layers/LayerOperations.h"
#include "workspace/DocumentViews.h"
#include "workspace/Workspace.h"

class QWidget;

namespace quillora::layers {
class LayerWindow;
}

namespace quillora::app {

class LayerCommands {
public:
    explicit LayerCommands(workspace::Workspace& ws);
    ~LayerCommands();

    // Created in the second stage of start-up, hidden; the floating windows show it.
    layers::LayerWindow* CreateWindow();
    QWidget* window() const;

    // Carries out a frame command that belongs to the layers; false for any other id.
    bool Run(int id);

    void NewTextLayerAt(int xMm, int yMm) { operations_.NewTextLayerAt(xMm, yMm); }
    void NewPictureLayerAt(int xMm, int yMm) { operations_.NewPictureLayerAt(xMm, yMm); }
    void ShowBackgroundSettings() { operations_.ShowBackgroundSettings(); }

    void Refresh(workspace::LayerWindowRegion region);
    void UpdateScrollBar();

private:
    workspace::Workspace& ws_;
    layers::LayerOperations operations_;
    std::unique_ptr<layers::LayerWindow> window_;
};

}  // namespace quillora::app
