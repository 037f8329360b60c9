#pragma once
// Counts the refresh calls a change makes, for tests that check a change ends with the right ones.
#include <vector>

#include "ui/DocumentViews.h"

class RecordingViews : public quillora::ui::DocumentViews {
public:
    void RefreshDocumentView() override { ++documentRefreshes; }
    void RepaintDocumentView() override { ++documentRepaints; }
    void RefreshLayerWindow(quillora::ui::LayerWindowRegion region) override { layerRefreshes.push_back(region); }
    void UpdateLayerScrollBar() override { ++scrollBarUpdates; }
    void RepaintToolWindow() override { ++toolRepaints; }

    int documentRefreshes = 0;
    int documentRepaints = 0;
    std::vector<quillora::ui::LayerWindowRegion> layerRefreshes;
    int scrollBarUpdates = 0;
    int toolRepaints = 0;
};
