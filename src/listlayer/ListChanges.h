#pragma once
// How every page of the list layer sheet ends its Apply; the sheet commits the edit once all
// its pages have applied, so that one Apply is one step of the edit history.
#include "workspace/Workspace.h"

namespace quillora::listlayer {

inline void EndListChange(workspace::Workspace& ws) { ws.views.RefreshDocumentView(); }

}  // namespace quillora::listlayer
