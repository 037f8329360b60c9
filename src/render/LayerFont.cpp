#include "LayerFont.h"

#include <algorithm>
#include <string>

#include "DeviceUnits.h"

namespace quillora::render {

namespace {
bool LowByte(std::int32_t flag) { return (static_cast<std::uint32_t>(flag) & 0xFFu) != 0; }
}  // namespace

std::optional<FontRequest> MakeFontRequest(const FontFields& fields, float vScale) {
    int cell = CellHeight(fields.points, vScale);
    if (cell < 1) return std::nullopt;
    FontRequest font;
    font.face = std::string(fields.face);
    font.cellHeight = std::min(cell, kMaxCellHeight);
    font.weight = std::clamp(fields.weight, 0, 1000);
    font.italic = LowByte(fields.italic);
    font.underline = LowByte(fields.underline);
    font.strikeOut = LowByte(fields.strikeOut);
    int angle = fields.angle % 360;
    font.angle = angle < 0 ? angle + 360 : angle;
    return font;
}

}  // namespace quillora::render
