#pragma once
// Conversion between UTF-8 and code page 932 (Shift-JIS as Windows uses it), through glibc iconv.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::text {

// nullopt when the text holds a character that code page 932 cannot hold, or is not valid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

bool IsCp932Representable(std::string_view utf8);

// nullopt when the bytes are not valid code page 932.
std::optional<std::string> Cp932ToUtf8Strict(std::string_view bytes);

// Never fails: a lead byte left alone at the end (a cut field) is dropped,
// any other undecodable byte becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);

// Paths are stored in code page 932 when they can be, otherwise as their UTF-8 bytes.
std::string Utf8PathToStored(std::string_view utf8Path);
// Decoding only; to reach the file a stored path names, use ResolveStoredPath (StoredPath.h).
std::string StoredPathToUtf8(std::string_view stored);

// The text's characters one by one (one or two bytes each); a lead byte left alone at the end
// is dropped.
std::vector<std::string_view> Cp932Characters(std::string_view cp932);

// The longest prefix of at most `limit` bytes that ends on a character boundary.
std::string_view CutCp932(std::string_view cp932, std::size_t limit);

// Text made from a file name (a layer name): valid code page 932 of at most `maxBytes` bytes,
// "?" for every character (or invalid UTF-8 byte) without a mapping, cut before the first
// character that would not fit whole.
std::string Cp932NameFromUtf8(std::string_view utf8, std::size_t maxBytes);

}  // namespace quillora::text
