#pragma once
// Millimetres to device units, the way every part of the label drawing converts them:
// multiplied by a single-precision scale and truncated toward zero.
//
// Values come from files unchecked, so results are clamped to +-kDeviceLimit to keep the integer
// arithmetic defined. A position that far away cannot reach a page by itself (the largest cell is
// kMaxCellHeight, a text 256 of them); only a second huge value added after the clamp, such as a
// shadow offset or a list spacing from a damaged file, can bring such text back into view.
#include <cstdint>

namespace quillora::render {

constexpr int kDeviceLimit = 1 << 26;
// Larger fonts are drawn at this cell height: no page is that tall.
constexpr int kMaxCellHeight = 1 << 15;

// trunc(v), limited to +-kDeviceLimit; NaN gives 0.
int TruncateToDevice(float v);
// trunc(value x scale) in single precision.
int ToDevice(std::int32_t value, float scale);
// A sum of device values, limited to +-kDeviceLimit.
int ClampDevice(std::int64_t value);
// Font cell height: trunc(points x vScale x 0.33333334), one point being a third of a millimetre.
// Not clamped: callers decide what a cell below 1 means.
int CellHeight(std::int32_t points, float vScale);

}  // namespace quillora::render
