#include "TextDecoding.h"

#include "text/Utf8.h"
#include "text/Cp932.h"

namespace quillora::listimport {
namespace {

// Windows editors save "Unicode" text as UTF-16 behind a byte order mark.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    char32_t high = 0;  // a high surrogate waiting for its low half
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const char32_t unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
        if (unit >= 0xDC00 && unit <= 0xDFFF && high != 0) {
            out += text::EncodeUtf8(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
            high = 0;
            continue;
        }
        if (high != 0) out += text::EncodeUtf8(U'\uFFFD');
        high = 0;
        if (unit >= 0xD800 && unit <= 0xDBFF) high = unit;
        else out += text::EncodeUtf8(unit >= 0xDC00 && unit <= 0xDFFF ? U'\uFFFD' : unit);
    }
    if (high != 0) out += text::EncodeUtf8(U'\uFFFD');
    return out;
}

}  // namespace

bool IsListText(std::string_view bytes) {
    std::size_t characters = 0;
    std::size_t bad = 0;
    for (char32_t cp : text::DecodeUtf8(DecodeTextBytes(bytes))) {
        ++characters;
        const bool control = (cp < 0x20 && cp != U'\t' && cp != U'\n' && cp != U'\r') || cp == 0x7F;
        if (control || cp == U'\uFFFD') ++bad;
    }
    return bad * 100 <= characters;
}

std::string DecodeTextBytes(std::string_view bytes) {
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    // A byte order mark settles it; what is ill-formed after it is left for the entry conversion.
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return std::string(bytes.substr(kUtf8Bom.size()));
    if (bytes.substr(0, 2) == "\xFF\xFE") return Utf16ToUtf8(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF") return Utf16ToUtf8(bytes.substr(2), true);
    if (text::IsValidUtf8(bytes)) return std::string(bytes);
    if (auto decoded = text::Cp932ToUtf8Strict(bytes)) return *decoded;
    return text::Cp932ToUtf8(bytes);
}

}  // namespace quillora::listimport
