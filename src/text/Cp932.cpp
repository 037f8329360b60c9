#include "Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

#include "Utf8.h"

namespace quillora::text {
namespace {

// Opening a conversion costs far more than a short text's conversion, and the renderer decodes
// every line it draws: one descriptor per direction and thread, its state reset before each use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    enum class Stop { Done, Invalid, Incomplete };

    // Converts as much as it can; `in` is advanced past what was consumed.
    Stop Run(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = in.size();
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            int err = errno;
            out.append(buffer, static_cast<size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (r != static_cast<size_t>(-1)) continue;
            if (err == E2BIG) continue;
            return err == EINVAL ? Stop::Incomplete : Stop::Invalid;
        }
        return Stop::Done;
    }

private:
    iconv_t cd_;
};

Converter& ToCp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& FromCp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    Converter& conv = ToCp932();
    if (!conv.valid()) return std::nullopt;
    std::string out;
    if (conv.Run(utf8, out) != Converter::Stop::Done) return std::nullopt;
    return out;
}

bool IsCp932Representable(std::string_view utf8) { return Utf8ToCp932(utf8).has_value(); }

std::optional<std::string> Cp932ToUtf8Strict(std::string_view bytes) {
    Converter& conv = FromCp932();
    if (!conv.valid()) return std::nullopt;
    std::string out;
    if (conv.Run(bytes, out) != Converter::Stop::Done) return std::nullopt;
    return out;
}

std::string Cp932ToUtf8(std::string_view bytes) {
    Converter& conv = FromCp932();
    std::string out;
    if (!conv.valid()) return out;
    while (!bytes.empty()) {
        Converter::Stop stop = conv.Run(bytes, out);
        if (stop == Converter::Stop::Done || stop == Converter::Stop::Incomplete) break;
        out += "\xEF\xBF\xBD";
        bytes.remove_prefix(1);
    }
    return out;
}

namespace {
// Bytes of the character starting at `at`.
std::size_t CharacterLength(std::string_view cp932, std::size_t at) {
    const auto b = static_cast<unsigned char>(cp932[at]);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC) ? 2 : 1;
}
}  // namespace

std::vector<std::string_view> Cp932Characters(std::string_view cp932) {
    std::vector<std::string_view> characters;
    for (std::size_t at = 0; at < cp932.size();) {
        const std::size_t length = CharacterLength(cp932, at);
        if (at + length > cp932.size()) break;
        characters.push_back(cp932.substr(at, length));
        at += length;
    }
    return characters;
}

std::string_view CutCp932(std::string_view cp932, std::size_t limit) {
    std::size_t end = 0;
    while (end < cp932.size()) {
        const std::size_t length = CharacterLength(cp932, end);
        if (end + length > limit) break;
        end += length;
    }
    return cp932.substr(0, std::min(end, cp932.size()));
}

std::string Utf8PathToStored(std::string_view utf8Path) {
    if (auto cp = Utf8ToCp932(utf8Path)) return *cp;
    return std::string(utf8Path);
}

std::string StoredPathToUtf8(std::string_view stored) {
    if (auto utf8 = Cp932ToUtf8Strict(stored)) return *utf8;
    return std::string(stored);
}

std::string Cp932NameFromUtf8(std::string_view utf8, std::size_t maxBytes) {
    std::string out;
    while (!utf8.empty()) {
        // One character at a time; a broken sequence counts as one byte.
        const auto lead = static_cast<unsigned char>(utf8[0]);
        std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (length > utf8.size() || !IsValidUtf8(utf8.substr(0, length))) length = 1;
        const std::string bytes = Utf8ToCp932(utf8.substr(0, length)).value_or("?");
        if (out.size() + bytes.size() > maxBytes) break;
        out += bytes;
        utf8.remove_prefix(length);
    }
    return out;
}

}  // namespace quillora::text
