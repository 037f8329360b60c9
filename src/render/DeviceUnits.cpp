#include "DeviceUnits.h"

#include <algorithm>
#include <cmath>

namespace quillora::render {

int TruncateToDevice(float v) {
    if (std::isnan(v)) return 0;
    constexpr float limit = static_cast<float>(kDeviceLimit);
    return static_cast<int>(std::clamp(std::trunc(v), -limit, limit));
}

int ToDevice(std::int32_t value, float scale) { return TruncateToDevice(static_cast<float>(value) * scale); }

int ClampDevice(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -kDeviceLimit, kDeviceLimit));
}

int CellHeight(std::int32_t points, float vScale) {
    return TruncateToDevice(static_cast<float>(points) * vScale * 0.33333334f);
}

}  // namespace quillora::render
