#include "ViewGeometry.h"

#include <algorithm>
#include <cmath>

#include "settings/AppSettings.h"

namespace quillora::view {

int ViewOrigin(int clientSize, int outerPx) {
    if (clientSize - kRulerBand > outerPx) return (clientSize - outerPx - kRulerBand) / 2 + kRulerBand;
    return kRulerBand;
}

ScrollSteps ScrollStepsAt(int zoomPercent) {
    const ScrollSteps classic;
    return {std::max(classic.line * zoomPercent / 100, 1), std::max(classic.page * zoomPercent / 100, 1)};
}

int ApplyScroll(ScrollRequest request, int offset, int outerPx, int clientSize, int thumbPosition, ScrollSteps steps) {
    switch (request) {
    case ScrollRequest::LineBack:
        return std::max(offset - steps.line, 0);
    case ScrollRequest::LineForward:
        return offset <= outerPx - clientSize + kRulerBand ? offset + steps.line : offset;
    case ScrollRequest::PageBack:
        return std::max(offset - steps.page, 0);
    case ScrollRequest::PageForward:
        if (outerPx - offset - clientSize >= steps.page) return offset + steps.page;
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

std::vector<RulerTick> RulerTicks(int origin, int scroll, int extent, const ViewScale& scale) {
    const bool crowded = scale.PixelsPerMm() < 3.0f;
    const int tickMm = crowded ? 2 : 1;
    const int labelMm = crowded ? 20 : 10;
    const int start = origin - scroll;
    // From the first labelled tick before the ruler to the last tick on it.
    const int firstMm = scale.ToMm(-start);
    const int first = (firstMm / labelMm - (firstMm % labelMm < 0 ? 1 : 0)) * labelMm;
    const int last = scale.ToMm(extent - start) + tickMm;
    std::vector<RulerTick> ticks;
    for (int mm = first; mm <= last; mm += tickMm) {
        const int pos = start + scale.ToPx(mm);
        const bool labelled = mm % labelMm == 0;
        // Labels after the label's edge show in part when their tick has scrolled off; those
        // before it only while their tick is on the ruler.
        const bool shown = labelled && mm >= 0 ? pos <= extent : pos >= 0 && pos <= extent;
        if (!shown) continue;
        ticks.push_back({pos, mm, labelled});
    }
    return ticks;
}

std::vector<int> GridOffsets(const ViewScale& scale, int spacingMm) {
    const int step = std::clamp(spacingMm, settings::kMinGridSpacing, settings::kMaxGridSpacing);
    std::vector<int> offsets;
    for (int mm = 0; mm == 0 || scale.ToPx(mm) < scale.OuterPx(); mm += step) offsets.push_back(scale.ToPx(mm));
    return offsets;
}

bool InRulerBand(int x, int y) { return x < kRulerBand || y < kRulerBand; }

int PixelToMm(int pos, int origin, int scroll, const ViewScale& scale) { return scale.ToMm(pos - origin + scroll); }

int ScrollKeeping(int anchor, int oldOrigin, int oldScroll, const ViewScale& oldScale, int newOrigin,
                  const ViewScale& newScale, int maximum) {
    const double mm = (anchor - oldOrigin + oldScroll) / static_cast<double>(oldScale.PixelsPerMm());
    const int scroll = static_cast<int>(std::lround(mm * newScale.PixelsPerMm())) - (anchor - newOrigin);
    return std::clamp(scroll, 0, maximum);
}

}  // namespace quillora::view
