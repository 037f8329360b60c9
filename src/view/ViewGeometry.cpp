#include "ViewGeometry.h"

#include <algorithm>

#include "settings/AppSettings.h"

namespace quillora::view {

int ViewOrigin(int clientSize, int outerPx) {
    if (clientSize - kRulerBand > outerPx) return (clientSize - outerPx - kRulerBand) / 2 + kRulerBand;
    return kRulerBand;
}

int ApplyScroll(ScrollRequest request, int offset, int outerPx, int clientSize, int thumbPosition) {
    switch (request) {
    case ScrollRequest::LineBack:
        return offset > 0 ? offset - 1 : offset;
    case ScrollRequest::LineForward:
        return offset <= outerPx - clientSize + kRulerBand ? offset + 1 : offset;
    case ScrollRequest::PageBack:
        return std::max(offset - 20, 0);
    case ScrollRequest::PageForward:
        if (outerPx - offset - clientSize >= 20) return offset + 20;
        // A window only a little wider than the label would otherwise scroll to a negative offset.
        return std::max(outerPx - clientSize, 0);
    case ScrollRequest::ThumbTrack:
        return thumbPosition;
    case ScrollRequest::Other:
        break;
    }
    return offset;
}

int ScrollBarMaximum(int outerPx, int clientSize) {
    return std::max(outerPx + kRulerBand - clientSize, 0);
}

std::vector<RulerMark> RulerMarks(int origin, int scroll, int extent) {
    std::vector<RulerMark> marks;
    const int start = origin - scroll;
    for (int j = 0;; ++j) {
        marks.push_back({start + kLabelledTickStep * j, 10 * j, document::kViewPixelsPerMm});
        if (start + kLabelledTickStep * (j + 1) > extent) break;
    }
    for (int j = 0;; ++j) {
        marks.push_back({start - kLabelledTickStep * j, -10 * j, -document::kViewPixelsPerMm});
        if (start - kLabelledTickStep * (j + 1) < 0) break;
    }
    return marks;
}

std::vector<int> GridOffsets(int outerPx, int spacingMm) {
    const int step = std::clamp(spacingMm, settings::kMinGridSpacing, settings::kMaxGridSpacing) * document::kViewPixelsPerMm;
    std::vector<int> offsets;
    for (int k = 0; k == 0 || k < outerPx; k += step) offsets.push_back(k);
    return offsets;
}

bool InRulerBand(int x, int y) { return x < kRulerBand || y < kRulerBand; }

int PixelToMm(int pos, int origin, int scroll) { return (pos - origin + scroll) / document::kViewPixelsPerMm; }

}  // namespace quillora::view
