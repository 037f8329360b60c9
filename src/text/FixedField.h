#pragma once
// Fixed-size, NUL-terminated text fields of the records.
#include <cstddef>
#include <cstring>
#include <string_view>

namespace quillora::text {

// The bytes before the first NUL, or the whole field when it holds none.
template <std::size_t N>
std::string_view FieldView(const char (&field)[N]) {
    const void* nul = std::memchr(field, 0, N);
    return {field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : N};
}

// Zero-fills the field and stores at most `limit` bytes (and never more than N - 1),
// cutting at the byte limit even inside a double-byte character.
template <std::size_t N>
void StoreField(char (&field)[N], std::string_view bytes, std::size_t limit = N - 1) {
    std::memset(field, 0, N);
    std::size_t n = bytes.size();
    if (n > limit) n = limit;
    if (n > N - 1) n = N - 1;
    if (n != 0) std::memcpy(field, bytes.data(), n);
}

}  // namespace quillora::text
