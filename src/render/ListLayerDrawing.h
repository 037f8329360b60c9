#pragma once
// The list layer: numbered entries of up to five lines, left-aligned, along the circle,
// or in two columns along both sides of the circle.
#include <array>
#include <string_view>

#include "Canvas.h"
#include "document/LabelDocument.h"

namespace quillora::render {

constexpr int kMaxEntryLines = 5;
// CircleChordX's answer for a line that misses the circle.
constexpr int kOffCircle = -9999;

struct EntryLines {
    std::array<std::string_view, kMaxEntryLines> line{};
    int count = 0;
};

// Lines end at each CR LF pair (dropped); a lone CR or LF is an ordinary character.
// After the fifth pair the rest is ignored.
EntryLines SplitEntryLines(std::string_view text);

// Where the horizontal line `depth` below the top of the square meets the circle of `diameter`
// inscribed in it: side 0 the left crossing, 1 the right one; kOffCircle when it misses.
int CircleChordX(int diameter, int depth, int side);

// Lays out and draws doc.list at the renderer's scales. An unknown layout, or a font whose cell
// would be below one device unit, draws nothing; a second column start beyond the list's ends
// puts every entry into one of the columns.
void DrawListLayer(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY,
                   float hScale, float vScale);

}  // namespace quillora::render
