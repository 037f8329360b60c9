#pragma once
// The grid's line as the settings file numbers it: the pen styles 0 to 5.
#include <cstdint>
#include <optional>

namespace quillora::settings {

enum class GridLineType : std::int32_t { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, None = 5 };

// The line a stored value names; none for any other value.
constexpr std::optional<GridLineType> KnownGridLineType(std::int32_t stored) {
    if (stored < static_cast<std::int32_t>(GridLineType::Solid) || stored > static_cast<std::int32_t>(GridLineType::None))
        return std::nullopt;
    return static_cast<GridLineType>(stored);
}

}  // namespace quillora::settings
