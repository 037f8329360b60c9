#pragma once
// The document window's arithmetic: where the label sits, how the scroll offsets move, where the
// ruler marks and grid lines go, and how a mouse position turns into millimetres.
#include <vector>

#include "document/Limits.h"

namespace quillora::view {

inline constexpr int kRulerBand = 15;      // rulers along the top and left edges, pixels
inline constexpr int kLabelledTickStep = 10 * document::kViewPixelsPerMm;  // a labelled tick every 10 mm

// Client coordinate of the label's bounding square along one axis: centred right of / below the
// ruler when it fits, pinned to the ruler otherwise.
int ViewOrigin(int clientSize, int outerPx);

enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, ThumbTrack, Other };

// The new scroll offset after one request; `clientSize` is the client width for the horizontal
// bar and the height for the vertical one.
int ApplyScroll(ScrollRequest request, int offset, int outerPx, int clientSize, int thumbPosition);

// The scroll bar covers 0..outerPx + 14 with a page of the client size; the largest position the
// bar itself can take is what is left after one page.
int ScrollBarMaximum(int outerPx, int clientSize);

// A labelled tick of a ruler; its nine short ticks follow at pos + tickStep, pos + 2 * tickStep...
struct RulerMark {
    int pos;
    int label;
    int tickStep;  // +3 going right or down, -3 going left or up
};

// The marks of one ruler of length `extent` for a label at `origin` scrolled by `scroll`. The 0
// mark comes twice, once for each direction, each with its own short ticks.
std::vector<RulerMark> RulerMarks(int origin, int scroll, int extent);

// Offsets of the grid lines from the label's edge; the spacing is kept in 5..100 mm so that a
// hand-edited settings file cannot stall the paint.
std::vector<int> GridOffsets(int outerPx, int spacingMm);

bool InRulerBand(int x, int y);

// Millimetres from the label's bounding square, scroll offset included so that the value agrees
// with the rulers; truncated toward zero.
int PixelToMm(int pos, int origin, int scroll);

}  // namespace quillora::view
