#include "FileStem.h"

namespace quillora::listimport {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string FileStem(std::string_view pathOrUrl) {
    const bool isUrl = pathOrUrl.find("://") != std::string_view::npos;
    if (isUrl) pathOrUrl = pathOrUrl.substr(0, pathOrUrl.find_first_of("?#"));
    const std::size_t slash = pathOrUrl.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? pathOrUrl : pathOrUrl.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot != 0) name = name.substr(0, dot);
    return isUrl ? PercentDecoded(name) : std::string(name);
}

}  // namespace quillora::listimport
