#pragma once
#include "workspace/Workspace.h"

namespace quillora::layers {

// Loads a picture layer's own picture from its path, with the wait cursor up while a large
// picture decodes.
void LoadLayerPicture(workspace::Workspace& ws, int slot);

}  // namespace quillora::layers
