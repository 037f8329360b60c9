#include "CueSheetReader.h"

#include <cctype>

#include "FileStem.h"
#include "TextDecoding.h"
#include "TextLines.h"

namespace quillora::listimport {
namespace {

struct Track {
    std::string title;
    std::string performer;
    std::string file;
};

// A value in double quotes ends at the closing quote; an unquoted one is the rest of the line.
std::string_view Value(std::string_view rest) {
    rest = Trimmed(rest);
    if (rest.empty() || rest.front() != '"') return rest;
    rest.remove_prefix(1);
    return rest.substr(0, rest.find('"'));
}

// FILE "name" TYPE, or FILE name TYPE with the type as the last word.
std::string_view FileName(std::string_view rest) {
    rest = Trimmed(rest);
    if (!rest.empty() && rest.front() == '"') return Value(rest);
    const std::size_t lastSpace = rest.find_last_of(" \t");
    return lastSpace == std::string_view::npos ? rest : Trimmed(rest.substr(0, lastSpace));
}

std::string Upper(std::string_view word) {
    std::string out(word);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string EntryOf(const Track& track, const std::string& discPerformer) {
    std::string entry = track.title.empty() ? FileStem(track.file) : track.title;
    if (!track.performer.empty() && track.performer != discPerformer) entry += " / " + track.performer;
    return entry;
}

}  // namespace

std::vector<std::string> ReadCueSheetEntries(std::string_view bytes) {
    const std::string text = DecodeTextBytes(bytes);
    std::string discPerformer, currentFile;
    std::vector<Track> tracks;
    for (std::string_view raw : SplitLines(text)) {
        const std::string_view line = Trimmed(raw);
        const std::size_t wordEnd = line.find_first_of(" \t");
        const std::string command = Upper(line.substr(0, wordEnd));
        const std::string_view rest = wordEnd == std::string_view::npos ? std::string_view{} : line.substr(wordEnd);
        if (command == "FILE") {
            currentFile = FileName(rest);
        } else if (command == "TRACK") {
            tracks.push_back({{}, {}, currentFile});
        } else if (command == "TITLE" && !tracks.empty()) {
            tracks.back().title = Value(rest);
        } else if (command == "PERFORMER") {
            (tracks.empty() ? discPerformer : tracks.back().performer) = Value(rest);
        }
    }
    std::vector<std::string> entries;
    for (const Track& track : tracks) entries.push_back(EntryOf(track, discPerformer));
    return entries;
}

}  // namespace quillora::listimport
