#pragma once
// The title a file gives when nothing better is known: its name without folder and extension.
#include <string>
#include <string_view>

namespace quillora::listimport {

// Accepts Linux and Windows paths and URLs ("file:///a/b%20c.mp3" gives "b c").
std::string FileStem(std::string_view pathOrUrl);

}  // namespace quillora::listimport
