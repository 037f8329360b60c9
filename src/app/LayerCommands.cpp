#include "app/LayerCommands.h"

#include "app/MenuTable.h"
#include "layers/LayerWindow.h"

namespace quillora::app {

LayerCommands::LayerCommands(workspace::Workspace& ws) : ws_(ws), operations_(ws) {}

LayerCommands::~LayerCommands() = default;

layers::LayerWindow* LayerCommands::CreateWindow() {
    window_ = std::make_unique<layers::LayerWindow>(ws_, operations_);
    return window_.get();
}

QWidget* LayerCommands::window() const { return window_.get(); }

bool LayerCommands::Run(int id) {
    const int selected = ws_.doc.state.selectedPos;
    switch (id) {
    case command::NewTextLayer: operations_.NewTextLayer(); return true;
    case command::NewPictureLayer: operations_.NewPictureLayer(); return true;
    case command::BackgroundLayer: operations_.ShowBackgroundSettings(); return true;
    case command::MoveUp: operations_.MoveLayer(selected, document::MoveDirection::Up); return true;
    case command::MoveDown: operations_.MoveLayer(selected, document::MoveDirection::Down); return true;
    case command::CopyLayer: operations_.CopyLayer(selected); return true;
    case command::DeleteLayer: operations_.DeleteLayer(selected); return true;
    default: return false;
    }
}

void LayerCommands::Refresh(workspace::LayerWindowRegion region) {
    if (window_) window_->Refresh(region);
}

void LayerCommands::UpdateScrollBar() {
    if (window_) window_->UpdateScrollBar();
}

}  // namespace quillora::app
