#pragma once
// The document window's arithmetic: where the label sits, how the scroll offsets move, where the
// ruler marks and grid lines go, and how a mouse position turns into millimetres, at any zoom.
#include <vector>

#include "view/Zoom.h"

namespace quillora::view {

inline constexpr int kRulerBand = 15;      // rulers along the top and left edges, pixels

// Client coordinate of the label's bounding square along one axis: centred right of / below the
// ruler when it fits, pinned to the ruler otherwise.
int ViewOrigin(int clientSize, int outerPx);

enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, ThumbTrack, Other };

// A line and a page of the scroll arrows and the bar's trough: 1 and 20 pixels at 100%, the
// same share of the label at every zoom.
struct ScrollSteps {
    int line = 1;
    int page = 20;
};
ScrollSteps ScrollStepsAt(int zoomPercent);

// The new scroll offset after one request; `clientSize` is the client width for the horizontal
// bar and the height for the vertical one.
int ApplyScroll(ScrollRequest request, int offset, int outerPx, int clientSize, int thumbPosition,
                ScrollSteps steps = {});

// The scroll bar covers 0..outerPx + 14 with a page of the client size; the largest position the
// bar itself can take is what is left after one page.
int ScrollBarMaximum(int outerPx, int clientSize);

// One tick of a ruler at `pos`; labelled ticks are long and carry their millimetres.
struct RulerTick {
    int pos;
    int mm;
    bool labelled;
};

// The ticks of one ruler of length `extent` for a label at `origin` scrolled by `scroll`: a tick
// every millimetre and a label every 10 (every 2 and 20 below 3 pixels per millimetre, where
// they would crowd).
std::vector<RulerTick> RulerTicks(int origin, int scroll, int extent, const ViewScale& scale);

// Offsets of the grid lines from the label's edge; the spacing is kept in 5..100 mm so that a
// hand-edited settings file cannot stall the paint.
std::vector<int> GridOffsets(const ViewScale& scale, int spacingMm);

bool InRulerBand(int x, int y);

// Millimetres from the label's bounding square, scroll offset included so that the value agrees
// with the rulers; truncated toward zero.
int PixelToMm(int pos, int origin, int scroll, const ViewScale& scale);

// The scroll offset after a zoom that keeps the label's point under `anchor` (a client
// coordinate) where it is, within 0..maximum.
int ScrollKeeping(int anchor, int oldOrigin, int oldScroll, const ViewScale& oldScale, int newOrigin,
                  const ViewScale& newScale, int maximum);

}  // namespace quillora::view
