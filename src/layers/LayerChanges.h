#pragma once
// How every change of the layer stack ends: the document records the edit, then the views that
// show it are refreshed.
#include "workspace/Workspace.h"

namespace quillora::layers {

// New, copied or deleted layer: the count, the rows and the scroll range all change.
void EndStackChange(workspace::Workspace& ws);
// A layer moved up or down.
void EndReorder(workspace::Workspace& ws);
// The values of one layer were written by a dialog.
void EndSettingsChange(workspace::Workspace& ws);

}  // namespace quillora::layers
