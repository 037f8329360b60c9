#include "Zoom.h"

#include <algorithm>

#include "document/Limits.h"
#include "render/DeviceUnits.h"

namespace quillora::view {

int NextZoom(int percent, int direction) {
    if (direction > 0) {
        const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
        return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
    }
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

int UsableZoom(int percent) {
    return percent >= kZoomSteps.front() && percent <= kZoomSteps.back() ? percent : kDefaultZoom;
}

ViewScale::ViewScale(int outerMm, int zoomPercent)
    : outerPx_(render::TruncateToDevice(static_cast<float>(outerMm) * document::kViewPixelsPerMm *
                                        static_cast<float>(zoomPercent) / 100.0f)),
      pixelsPerMm_(outerMm > 0 ? static_cast<float>(outerPx_) / static_cast<float>(outerMm)
                               : static_cast<float>(document::kViewPixelsPerMm)) {}

int ViewScale::ToPx(int mm) const { return render::ToDevice(mm, pixelsPerMm_); }

int ViewScale::ToMm(int px) const {
    if (px < 0) return -ToMm(-px);
    // The inverse of ToPx: a pixel reads as the millimetre whose tick it is on or right of.
    int mm = render::TruncateToDevice(static_cast<float>(px) / pixelsPerMm_);
    while (ToPx(mm + 1) <= px) ++mm;
    while (mm > 0 && ToPx(mm) > px) --mm;
    return mm;
}

}  // namespace quillora::view
