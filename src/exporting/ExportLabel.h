#pragma once
// The export command: the format and resolution, then the file in the save chooser, then the
// file written whole or, with the usual warning, not at all.
#include "workspace/Workspace.h"

namespace quillora::exporting {

void ExportLabel(workspace::Workspace& ws);

}  // namespace quillora::exporting
