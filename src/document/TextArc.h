#pragma once
// Curved text: a text layer laid out along a circle around the label's centre, glyph by glyph.
// The record keeps it in StoredArc; a record without the tag is a straight layer.
#include <cstdint>
#include <optional>

#include "Records.h"

namespace quillora::document {

enum class ArcSide : std::int32_t {
    Outside = 0,  // reads clockwise along the top, the glyphs' tops away from the centre
    Inside = 1,   // reads counter-clockwise, upright along the bottom
};

// The arc as the dialog and the settings file hold it.
struct TextArc {
    std::int32_t enabled = 0;
    std::int32_t radius = 0;  // 0.1 mm from the label's centre to the middle of the character cell
    std::int32_t centreAngle = 0;  // degrees clockwise from the top: where the text's middle stands
    std::int32_t side = 0;         // an ArcSide
    std::int32_t spacing = 0;      // 0.1 mm added between characters
    bool operator==(const TextArc&) const = default;
};

inline constexpr std::uint8_t kArcVersion = 1;

// The layer's arc, enabled; nullopt for a straight layer (no tag, or a version this program
// does not know).
std::optional<TextArc> ReadArc(const LayerRecord& layer);

// An enabled arc is written behind the tag; a disabled one clears an arc the record holds and
// otherwise leaves the bytes as they are, so a straight layer stays as older files have it.
void WriteArc(LayerRecord& layer, const TextArc& arc);

// Loads a layer's arc into `arc`: a straight layer only turns it off, keeping the last values
// for when it is turned on again.
void LoadArc(TextArc& arc, const LayerRecord& layer);

// The radius (0.1 mm) that puts a cell of `fontSize` points 1 mm inside a disc of `outerMm`.
std::int32_t RimRadius(std::int32_t outerMm, std::int32_t fontSize);

}  // namespace quillora::document
