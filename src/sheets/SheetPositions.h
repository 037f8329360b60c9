#pragma once
// The positions of a sheet to print, as a person writes them: "all", "2", "1,3-4".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::sheets {

// Zero-based indices in ascending order, each once; nothing when the text names no position, a
// position beyond 1..count or is malformed. Spaces are ignored.
std::optional<std::vector<int>> ParsePositions(std::string_view text, int count);

// Every position of a sheet of `count`, as ParsePositions reads it: "1-count" (or "1").
std::string AllPositions(int count);

}  // namespace quillora::sheets
