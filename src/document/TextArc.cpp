#include "document/TextArc.h"

#include <algorithm>
#include <cstring>

#include "document/Limits.h"

namespace quillora::document {

namespace {
constexpr char kArcTag[3] = {'A', 'R', 'C'};
// Between the cell's outer edge and the rim, in 0.1 mm.
constexpr std::int32_t kRimGap = 10;

bool HoldsArc(const LayerRecord& layer) {
    return std::memcmp(layer.arc.tag, kArcTag, sizeof kArcTag) == 0 && layer.arc.version == kArcVersion;
}
}  // namespace

std::optional<TextArc> ReadArc(const LayerRecord& layer) {
    if (!HoldsArc(layer)) return std::nullopt;
    const StoredArc& s = layer.arc;
    return TextArc{1, s.radius, s.centreAngle, s.side == 0 ? 0 : 1, s.spacing};
}

void WriteArc(LayerRecord& layer, const TextArc& arc) {
    if (arc.enabled == 0) {
        if (HoldsArc(layer)) layer.arc = StoredArc{};
        return;
    }
    StoredArc s{};
    std::memcpy(s.tag, kArcTag, sizeof kArcTag);
    s.version = kArcVersion;
    s.side = arc.side == 0 ? 0 : 1;
    s.radius = arc.radius;
    s.centreAngle = arc.centreAngle;
    s.spacing = arc.spacing;
    layer.arc = s;
}

void LoadArc(TextArc& arc, const LayerRecord& layer) {
    if (auto stored = ReadArc(layer)) arc = *stored;
    else arc.enabled = 0;
}

std::int32_t RimRadius(std::int32_t outerMm, std::int32_t fontSize) {
    // Half the cell (a point is a third of a millimetre) inside the rim, and the gap.
    const std::int64_t radius = std::int64_t{outerMm} * 5 - std::int64_t{fontSize} * 5 / 3 - kRimGap;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(radius, 0, kMaxArcRadius));
}

}  // namespace quillora::document
