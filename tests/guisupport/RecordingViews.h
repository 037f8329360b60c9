#pragma once
// Records the refresh calls a change makes, in order, for tests that check a change ends with
// the right ones: "document", "repaint", "layers:all" (or :selection, :reorder, :scroll, :lamps),
// "scrollbar", "tool".
#include <string>
#include <vector>

#include "workspace/DocumentViews.h"

class RecordingViews : public quillora::workspace::DocumentViews {
public:
    void RefreshDocumentView() override { calls.push_back("document"); }
    void RepaintDocumentView() override { calls.push_back("repaint"); }
    void RefreshLayerWindow(quillora::workspace::LayerWindowRegion region) override {
        static const char* const names[] = {"layers:all", "layers:selection", "layers:reorder", "layers:scroll",
                                            "layers:lamps"};
        calls.push_back(names[static_cast<int>(region)]);
    }
    void UpdateLayerScrollBar() override { calls.push_back("scrollbar"); }
    void RepaintToolWindow() override { calls.push_back("tool"); }

    std::vector<std::string> calls;
};
