#pragma once
// Stored paths (code page 932 where every character maps, otherwise the UTF-8 bytes) turned back
// into file-system paths. Many UTF-8 names are valid code page 932 too (é is C3 A9, two
// half-width katakana), so the decoding that names an existing file wins.
#include <string>
#include <string_view>

namespace quillora::text {

// The code page 932 decoding when it names an existing file, else the bytes as UTF-8 when they
// are valid UTF-8 and name an existing file, else the code page 932 decoding (the UTF-8 bytes,
// or the raw bytes, when they are not valid code page 932).
std::string ResolveStoredPath(std::string_view stored);

}  // namespace quillora::text
