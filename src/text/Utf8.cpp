#include "text/Utf8.h"

#include <optional>

namespace quillora::text {
namespace {

// Decodes the sequence at the front of `bytes`; nullopt when it is ill-formed.
std::optional<char32_t> TakeCodePoint(std::string_view& bytes) {
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    if (b0 < 0x80) {
        bytes.remove_prefix(1);
        return b0;
    }
    int length = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
    if (length == 0 || b0 > 0xF4 || bytes.size() < static_cast<std::size_t>(length)) return std::nullopt;
    char32_t cp = b0 & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    bytes.remove_prefix(static_cast<std::size_t>(length));
    return cp;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    while (!bytes.empty())
        if (!TakeCodePoint(bytes)) return false;
    return true;
}

std::u32string DecodeUtf8(std::string_view bytes) {
    std::u32string out;
    while (!bytes.empty()) {
        if (auto cp = TakeCodePoint(bytes)) {
            out += *cp;
        } else {
            out += U'\uFFFD';
            bytes.remove_prefix(1);
        }
    }
    return out;
}

std::string EncodeUtf8(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

}  // namespace quillora::text
