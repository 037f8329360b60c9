#include <cstring>
#include <string_view>

#include "PictureLibrary.h"
#include "PluginLibrary.h"
#include "PluginVisit.h"
#include "text/Cp932.h"

namespace quillora::pictures {

namespace {
// Appends NUL-terminated strings to the fixed buffer, refusing what would not fit.
class FilterWriter {
public:
    explicit FilterWriter(std::array<char, 256>& buffer) : buffer_(buffer) {}
    // Appends bytes without a terminator when `reserve` bytes stay free after them.
    bool Append(std::string_view bytes, std::size_t reserve) {
        if (used_ + bytes.size() + reserve > buffer_.size()) return false;
        std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
        return true;
    }
    // Steps over the terminator; the buffer is zero-filled already.
    void EndString() { ++used_; }

private:
    std::array<char, 256>& buffer_;
    std::size_t used_ = 0;
};

std::string Cp932(const char* utf8) { return text::Utf8ToCp932(utf8).value(); }

// Reads the NUL-terminated string at `offset` and moves past its terminator.
std::string NextString(const std::array<char, 256>& raw, std::size_t& offset) {
    std::string_view s(raw.data() + offset);
    offset += s.size() + 1;
    return text::Cp932ToUtf8(s);
}
}  // namespace

PictureFilter PictureLibrary::BuildPictureFilter() const {
    const std::string allDescription = Cp932("全てのﾌｧｲﾙ");
    const std::string allPattern = "*.*";
    // What must stay free behind the plug-in patterns: the pattern's terminator, the second
    // entry with its terminators and the empty string that ends the list.
    const std::size_t tail = 1 + allDescription.size() + 1 + allPattern.size() + 1 + 1;

    PictureFilter filter;
    FilterWriter writer(filter.raw);
    writer.Append(Cp932("対応画像ﾌｧｲﾙ"), tail);
    writer.EndString();
    writer.Append("*.bmp;", tail);
    VisitPlugins(programDir_, [&](const PluginLibrary& plugin) {
        writer.Append(plugin.Pattern() + ";", tail);  // a pattern that no longer fits is left out
        return false;
    });
    writer.EndString();
    writer.Append(allDescription, 0);
    writer.EndString();
    writer.Append(allPattern, 0);

    std::size_t offset = 0;
    filter.supportedDescription = NextString(filter.raw, offset);
    filter.supportedPattern = NextString(filter.raw, offset);
    filter.allDescription = NextString(filter.raw, offset);
    filter.allPattern = NextString(filter.raw, offset);
    return filter;
}

}  // namespace quillora::pictures
