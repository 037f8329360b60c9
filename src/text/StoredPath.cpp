#include "StoredPath.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "Cp932.h"
#include "Utf8.h"

namespace quillora::text {

namespace {
bool Exists(const std::string& path) {
    std::error_code error;
    // symlink_status: a dangling link is still the file the user chose.
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}
}  // namespace

std::string ResolveStoredPath(std::string_view stored) {
    const std::optional<std::string> cp932 = Cp932ToUtf8Strict(stored);
    if (cp932 && Exists(*cp932)) return *cp932;
    const bool utf8 = IsValidUtf8(stored);
    if (utf8 && Exists(std::string(stored))) return std::string(stored);
    return cp932 ? *cp932 : std::string(stored);
}

}  // namespace quillora::text
