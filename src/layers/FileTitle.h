#pragma once
// The name a picture layer gets from its file: the file name without its folder.
#include <string>
#include <string_view>

namespace quillora::layers {

// `storedPath` holds stored path bytes; '/' never occurs inside a double-byte character
// of code page 932, so the last '/' always ends the folder part.
std::string FileTitle(std::string_view storedPath);

}  // namespace quillora::layers
