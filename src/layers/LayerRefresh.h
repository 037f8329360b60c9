#pragma once
// How every change of the layer stack ends: the modified flag and the views that show it.
#include "workspace/Workspace.h"

namespace quillora::layers {

// New, copied or deleted layer: the count, the rows and the scroll range all change.
void RefreshAfterStackChange(workspace::Workspace& ws);
// A layer moved up or down.
void RefreshAfterReorder(workspace::Workspace& ws);
// The values of one layer were written by a dialog.
void RefreshAfterSettings(workspace::Workspace& ws);

}  // namespace quillora::layers
