#pragma once
// How every page of the list layer sheet ends its Apply.
#include "workspace/Workspace.h"

namespace quillora::listlayer {

inline void EndListChange(workspace::Workspace& ws) {
    ws.doc.MarkModified();
    ws.views.RefreshDocumentView();
}

}  // namespace quillora::listlayer
