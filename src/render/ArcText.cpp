#include "ArcText.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "DeviceUnits.h"
#include "document/Limits.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

namespace quillora::render {

namespace {

// A character's place along the arc, from the text's start, in device units.
struct Piece {
    std::string_view text;
    double start = 0;
    double width = 0;
};

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }
double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double Normalised(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

double ClampToDevice(double v) { return std::clamp(v, -double{kDeviceLimit}, double{kDeviceLimit}); }

}  // namespace

ArcLayout LayOutArc(Canvas& canvas, std::string_view text, const document::TextArc& arc, const ArcFrame& frame) {
    const double radiusMm = std::clamp(arc.radius, 0, document::kMaxArcRadius) / 10.0;
    const double rx = radiusMm * frame.hScale;
    const double ry = radiusMm * frame.vScale;
    const double spacing =
        std::clamp(arc.spacing, -document::kArcSpacingLimit, document::kArcSpacingLimit) / 10.0 * frame.hScale;
    const double turn = 2.0 * std::numbers::pi * rx;

    ArcLayout layout;
    if (rx <= 0) {
        // No circle to follow: nothing fits.
        layout.cut = !text.empty();
        return layout;
    }
    std::vector<Piece> pieces;
    double next = 0;
    for (std::string_view character : text::Cp932Characters(text)) {
        const double width = canvas.MeasureText(character).width;
        if (next + width > turn) {
            layout.cut = true;
            break;
        }
        pieces.push_back({character, next, width});
        // Spacing may draw characters together, never back past the one before.
        next += std::max(0.0, width + spacing);
    }
    if (pieces.empty()) return layout;

    const double middle = (pieces.back().start + pieces.back().width) / 2.0;
    const bool inside = arc.side == static_cast<std::int32_t>(document::ArcSide::Inside);
    for (const Piece& piece : pieces) {
        // Outside the text runs clockwise, inside counter-clockwise with the tops to the centre.
        const double along = Degrees((piece.start + piece.width / 2.0 - middle) / rx);
        const double at = Normalised(arc.centreAngle + (inside ? -along : along));
        const double theta = Radians(at);
        layout.glyphs.push_back({piece.text, frame.centreX + rx * std::sin(theta), frame.centreY - ry * std::cos(theta),
                                 Normalised(inside ? at + 180.0 : at)});
    }
    return layout;
}

void DrawArcText(Canvas& canvas, const document::LayerRecord& layer, const document::TextArc& arc,
                 const ArcFrame& frame) {
    const ArcLayout layout = LayOutArc(canvas, text::FieldView(layer.text), arc, frame);
    // The shadow falls the page's way, as straight text's and the list's do: one light for
    // the whole label.
    if (layer.shadow != 0)
        for (const ArcGlyph& g : layout.glyphs)
            canvas.DrawTextCentred(ClampToDevice(g.x + layer.shadowX), ClampToDevice(g.y + layer.shadowY), g.degrees,
                                   g.text, layer.shadowColor);
    for (const ArcGlyph& g : layout.glyphs) canvas.DrawTextCentred(g.x, g.y, g.degrees, g.text, layer.fontColor);
}

}  // namespace quillora::render
