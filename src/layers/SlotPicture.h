#pragma once
#include "ui/Workspace.h"

namespace quillora::layers {

// Loads a picture layer's own picture from its path, with the wait cursor up while a large
// picture decodes.
void LoadLayerPicture(ui::Workspace& ws, int slot);

}  // namespace quillora::layers
