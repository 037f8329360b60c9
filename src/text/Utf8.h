#pragma once
// Code points of UTF-8 text: validation, lenient decoding, encoding.
#include <string>
#include <string_view>

namespace quillora::text {

// True when every byte belongs to a well-formed sequence (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Every ill-formed byte becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view bytes);

std::string EncodeUtf8(char32_t codePoint);

}  // namespace quillora::text
