#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quillora::listimport {

// One entry per TRACK of a CUE sheet: its TITLE, followed by " / PERFORMER" when the track's
// performer differs from the disc's. A track without a title takes the name of its FILE.
std::vector<std::string> ReadCueSheetEntries(std::string_view bytes);

}  // namespace quillora::listimport
