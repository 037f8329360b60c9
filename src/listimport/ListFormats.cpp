#include "ListFormats.h"

#include <array>
#include <cctype>

#include "CueSheetReader.h"
#include "PlainTextReader.h"
#include "PlaylistReader.h"

namespace quillora::listimport {
namespace {

constexpr std::array kFormats{
    ListFormat{"ﾃｷｽﾄﾌｧｲﾙ", "*.txt", ReadPlainTextEntries},
    ListFormat{"ﾌﾟﾚｲﾘｽﾄ", "*.m3u *.m3u8", ReadPlaylistEntries},
    ListFormat{"CUEｼｰﾄ", "*.cue", ReadCueSheetEntries},
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool MatchesPatterns(std::string_view extension, std::string_view patterns) {
    while (!patterns.empty()) {
        const std::size_t space = patterns.find(' ');
        const std::string_view pattern = patterns.substr(0, space);
        if (pattern.substr(1) == extension) return true;  // "*.cue" against ".cue"
        patterns.remove_prefix(space == std::string_view::npos ? patterns.size() : space + 1);
    }
    return false;
}

}  // namespace

std::span<const ListFormat> ListFormats() { return kFormats; }

const ListFormat& FormatOfFileName(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    const std::size_t slash = fileName.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return kFormats.front();
    const std::string extension = Lower(fileName.substr(dot));
    for (const ListFormat& format : kFormats)
        if (MatchesPatterns(extension, format.patterns)) return format;
    return kFormats.front();
}

std::string ListChooserFilter() {
    std::string all;
    std::string each;
    for (const ListFormat& format : kFormats) {
        all += (all.empty() ? "" : " ") + std::string(format.patterns);
        each += ";;" + std::string(format.name) + " (" + format.patterns + ")";
    }
    return "ﾘｽﾄﾌｧｲﾙ (" + all + ")" + each + ";;すべてのﾌｧｲﾙ (*)";
}

}  // namespace quillora::listimport
