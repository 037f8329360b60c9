#pragma once
// The bytes of a list source as UTF-8: UTF-8 with or without a byte order mark, UTF-16 with one,
// or code page 932.
#include <string>
#include <string_view>

namespace quillora::listimport {

// The byte order mark tells UTF-8 and UTF-16; without one, a file that decodes as UTF-8 is UTF-8
// (Shift-JIS text seldom decodes so), otherwise it is code page 932, with U+FFFD for bytes that
// cannot be decoded.
std::string DecodeTextBytes(std::string_view bytes);

// Whether the bytes are text a track list can be made of: at most one character in a hundred
// undecodable or a control character other than a tab or a line end (random bytes hold one in
// eight; UTF-16 without a byte order mark is half NULs).
bool IsListText(std::string_view bytes);

}  // namespace quillora::listimport
