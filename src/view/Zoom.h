#pragma once
// The document window's zoom: the steps it offers and the label's size in the view at a zoom.
// 100% is the classic 3 pixels per millimetre, which the label file's view fields keep counting in.
#include <array>

namespace quillora::view {

inline constexpr std::array kZoomSteps{50, 75, 100, 150, 200, 300, 400, 600, 800};
inline constexpr int kDefaultZoom = 100;

// The next step in (direction > 0) or out; a value between steps (a hand-edited settings file)
// goes to the nearest step that way; the ends stay where they are.
int NextZoom(int percent, int direction);
// A stored zoom as the view uses it: within 50..800, else 100.
int UsableZoom(int percent);

// Millimetres and view pixels at one zoom, converted the way the label renderer converts them:
// the scale is the label's pixel size over its diameter, in single precision, truncated.
class ViewScale {
public:
    ViewScale(int outerMm, int zoomPercent);

    int OuterPx() const { return outerPx_; }
    int ToPx(int mm) const;
    // Truncated toward zero, like every position the window reports.
    int ToMm(int px) const;
    float PixelsPerMm() const { return pixelsPerMm_; }

private:
    int outerPx_;
    float pixelsPerMm_;
};

}  // namespace quillora::view
