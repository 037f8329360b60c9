#include "EntrySource.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "AudioFolderReader.h"
#include "CueSheetReader.h"
#include "PlainTextReader.h"
#include "PlaylistReader.h"

namespace quillora::listimport {
namespace {

std::optional<std::string> ReadBytes(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace

ListFileFormat FormatOfFileName(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return ListFileFormat::PlainText;
    std::string ext(fileName.substr(dot));
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".m3u" || ext == ".m3u8") return ListFileFormat::Playlist;
    if (ext == ".cue") return ListFileFormat::CueSheet;
    return ListFileFormat::PlainText;
}

std::optional<std::vector<std::string>> ReadListFile(const std::string& path) {
    std::optional<std::string> bytes = ReadBytes(path);
    if (!bytes) return std::nullopt;
    switch (FormatOfFileName(path)) {
        case ListFileFormat::Playlist:
            return ReadPlaylistEntries(*bytes);
        case ListFileFormat::CueSheet:
            return ReadCueSheetEntries(*bytes);
        case ListFileFormat::PlainText:
            break;
    }
    return ReadPlainTextEntries(*bytes);
}

std::optional<std::vector<std::string>> ReadEntrySource(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return ReadAudioFolderEntries(path);
    return ReadListFile(path);
}

}  // namespace quillora::listimport
