#include "StoredPath.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

#include "Cp932.h"

namespace quillora::text {

namespace {
bool Exists(const std::string& path) {
    std::error_code error;
    // symlink_status: a dangling link is still the file the user chose.
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

// The number of continuation bytes after a lead byte, -1 for a byte that cannot lead.
int ContinuationCount(std::uint8_t lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return -1;
}
}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        const int count = ContinuationCount(lead);
        if (count < 0 || bytes.size() - i < static_cast<std::size_t>(count) + 1) return false;
        std::uint32_t code = count == 0 ? lead : lead & (0x3F >> count);
        for (int k = 1; k <= count; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF.
        constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[count] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        i += static_cast<std::size_t>(count) + 1;
    }
    return true;
}

std::string ResolveStoredPath(std::string_view stored) {
    const std::optional<std::string> cp932 = Cp932ToUtf8Strict(stored);
    if (cp932 && Exists(*cp932)) return *cp932;
    const bool utf8 = IsValidUtf8(stored);
    if (utf8 && Exists(std::string(stored))) return std::string(stored);
    return cp932 ? *cp932 : std::string(stored);
}

}  // namespace quillora::text
