#pragma once
// Lines of a text file, whatever line ends it uses.
#include <string_view>
#include <vector>

namespace quillora::listimport {

// Splits at CR LF, LF and a lone CR; the views point into `text`.
std::vector<std::string_view> SplitLines(std::string_view text);

// Without spaces, tabs and other control characters at either end: a line of NULs or
// control characters is a blank line.
std::string_view Trimmed(std::string_view text);

}  // namespace quillora::listimport
