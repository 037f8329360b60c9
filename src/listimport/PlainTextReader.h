#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quillora::listimport {

// One entry per line of a text file; blank lines are skipped.
std::vector<std::string> ReadPlainTextEntries(std::string_view bytes);

}  // namespace quillora::listimport
