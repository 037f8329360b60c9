#pragma once
// The refresh operations every change of the document ends with; the application implements them.
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

}  // namespace quillora::workspace
