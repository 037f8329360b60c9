#pragma once
// How every change of the layer stack ends: the modified flag and the views that show it.
#include "ui/Workspace.h"

namespace quillora::layers {

// New, copied or deleted layer: the count, the rows and the scroll range all change.
void RefreshAfterStackChange(ui::Workspace& ws);
// A layer moved up or down.
void RefreshAfterReorder(ui::Workspace& ws);
// The values of one layer were written by a dialog.
void RefreshAfterSettings(ui::Workspace& ws);

}  // namespace quillora::layers
