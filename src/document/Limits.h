#pragma once
// The label's limits, each named once: where a record fixes one, it is derived from the record.
#include <cstddef>

#include "Records.h"

namespace quillora::document {

// Label diameters in whole millimetres: what a new label may have and what drawing uses.
inline constexpr int kMinDiameterMm = 1;
inline constexpr int kMaxDiameterMm = 300;

// A text arc's radius in 0.1 mm reaches the rim of the largest disc; the spacing between its
// characters is within ±10 mm. Drawing limits stored values to these.
inline constexpr int kMaxArcRadius = kMaxDiameterMm * 5;
inline constexpr int kArcSpacingLimit = 100;

// The spacing after a list entry, in whole millimetres: the range of every spacing field.
inline constexpr int kMinEntrySpacingMm = 0;
inline constexpr int kMaxEntrySpacingMm = 100;

// The view shows the label at 3 pixels per millimetre; the stored view sizes count in these.
inline constexpr int kViewPixelsPerMm = 3;

// The bytes of text a fixed field holds before its terminating NUL.
inline constexpr std::size_t kEntryTextBytes = sizeof(ListBlock::entryText[0]) - 1;
inline constexpr std::size_t kLayerTextBytes = sizeof(LayerRecord::text) - 1;
inline constexpr std::size_t kStoredPathBytes = sizeof(LayerRecord::picturePath) - 1;

// A4 portrait: the preview's paper until the printer reports one or the user enters one.
inline constexpr int kA4WidthMm = 210;
inline constexpr int kA4HeightMm = 297;

}  // namespace quillora::document
