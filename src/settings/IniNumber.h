#pragma once
#include <cstdint>
#include <string_view>

namespace quillora::settings {

// Reads a decimal integer the way C's strtol does with a 32-bit long: leading blanks and a
// sign allowed, digits up to the first other character ("12abc" is 12, "abc" is 0), values
// beyond the 32-bit range held at its ends.
std::int32_t ParseIniInt(std::string_view value);

}  // namespace quillora::settings
