#pragma once
// The three ways the list layer lays out its entries, as the list block stores them.
#include <array>
#include <cstdint>
#include <optional>

namespace quillora::document {

enum class ListLayoutStyle : std::int32_t {
    LeftAligned = 0,  // one column at a fixed left position
    AlongCircle = 1,  // one column following the disc's left edge
    TwoColumns = 2,   // the second column right-aligned against the disc's right edge
};

inline constexpr std::array kListLayoutStyles{ListLayoutStyle::LeftAligned, ListLayoutStyle::AlongCircle,
                                              ListLayoutStyle::TwoColumns};

// The style a stored value names; none for any other value (a hand-made file), which draws no list.
constexpr std::optional<ListLayoutStyle> KnownListLayoutStyle(std::int32_t stored) {
    for (ListLayoutStyle style : kListLayoutStyles)
        if (static_cast<std::int32_t>(style) == stored) return style;
    return std::nullopt;
}

}  // namespace quillora::document
