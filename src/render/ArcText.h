#pragma once
// A text layer along a circle around the label's centre: each character's cell centred on the
// circle and upright to it, the text centred on the arc's centre angle, at most one turn long.
#include <string_view>
#include <vector>

#include "Canvas.h"
#include "document/Records.h"
#include "document/TextArc.h"

namespace quillora::render {

struct ArcGlyph {
    std::string_view text;  // one character
    double x = 0;           // the middle of its cell, in device units
    double y = 0;
    double degrees = 0;  // clockwise from upright, 0..360
};

struct ArcLayout {
    std::vector<ArcGlyph> glyphs;
    bool cut = false;  // longer than one turn: the characters beyond it are left out
};

// The circle's centre on the device and the label's scales (device units per millimetre).
struct ArcFrame {
    double centreX = 0;
    double centreY = 0;
    float hScale = 0;
    float vScale = 0;
};

// Characters are measured with the canvas's selected font. Stored values are limited to the
// dialog's ranges first (radius 0..kMaxArcRadius, spacing within ±kArcSpacingLimit).
ArcLayout LayOutArc(Canvas& canvas, std::string_view text, const document::TextArc& arc, const ArcFrame& frame);

// Draws the layer's text laid out along `arc` with the selected font: every shadow first, then
// the characters.
void DrawArcText(Canvas& canvas, const document::LayerRecord& layer, const document::TextArc& arc,
                 const ArcFrame& frame);

}  // namespace quillora::render
