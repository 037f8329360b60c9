#pragma once
// The redraws of the windows that show the document; the application implements them and runs
// them through ShowChange after every change.
#include "document/ChangeScope.h"

namespace quillora::workspace {

// The parts of the layer window a change repaints; Lamps is the column of lamp buttons.
enum class LayerWindowRegion { All, Selection, Reorder, Scroll, Lamps };

class DocumentViews {
public:
    virtual ~DocumentViews() = default;
    // Renders the label into the view bitmap and repaints the document window's label area.
    virtual void RefreshDocumentView() = 0;
    // Repaints the label area without rendering again (the grid changed).
    virtual void RepaintDocumentView() = 0;
    virtual void RefreshLayerWindow(LayerWindowRegion region) = 0;
    virtual void UpdateLayerScrollBar() = 0;
    virtual void RepaintToolWindow() = 0;
};

// The redraws a change of the scope needs, in the order the windows need them: the layer
// window's scroll range before its rows, the rows before the label, the tool window last.
void ShowChange(DocumentViews& views, document::ChangeScope scope);

}  // namespace quillora::workspace
