#include "TextDecoding.h"

#include "Utf8.h"
#include "text/Cp932.h"

namespace quillora::listimport {

std::string DecodeTextBytes(std::string_view bytes) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    // A byte order mark settles it; what is ill-formed after it is left for the entry conversion.
    if (bytes.substr(0, kBom.size()) == kBom) return std::string(bytes.substr(kBom.size()));
    if (IsValidUtf8(bytes)) return std::string(bytes);
    if (auto decoded = text::Cp932ToUtf8Strict(bytes)) return *decoded;
    return text::Cp932ToUtf8(bytes);
}

}  // namespace quillora::listimport
