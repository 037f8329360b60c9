#include "PlaylistReader.h"

#include <cctype>
#include <optional>

#include "FileStem.h"
#include "TextDecoding.h"
#include "TextLines.h"

namespace quillora::listimport {
namespace {

constexpr std::string_view kExtinf = "#EXTINF:";

// "#EXTINF:<duration>[ attributes],<title>": the title follows the first comma after the
// duration that is not inside a quoted attribute value; the title itself may hold commas.
std::string_view ExtinfTitle(std::string_view line) {
    line.remove_prefix(kExtinf.size());
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        else if (line[i] == ',' && !quoted) return Trimmed(line.substr(i + 1));
    }
    return {};
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

}  // namespace

std::vector<std::string> ReadPlaylistEntries(std::string_view bytes) {
    const std::string text = DecodeTextBytes(bytes);
    std::vector<std::string> entries;
    std::optional<std::string> pendingTitle;
    for (std::string_view raw : SplitLines(text)) {
        const std::string_view line = Trimmed(raw);
        if (line.empty()) continue;
        if (line.front() == '#') {
            if (StartsWithIgnoringCase(line, kExtinf)) pendingTitle = std::string(ExtinfTitle(line));
            continue;
        }
        if (pendingTitle && !pendingTitle->empty()) entries.push_back(*pendingTitle);
        else entries.push_back(FileStem(line));
        pendingTitle.reset();
    }
    return entries;
}

}  // namespace quillora::listimport
