#pragma once
// Where the list's entries come from: a text file, a playlist, a CUE sheet or a music folder.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::listimport {

enum class ListFileFormat { PlainText, Playlist, CueSheet };

// By the name's extension, in any case: .m3u and .m3u8 are playlists, .cue a CUE sheet,
// anything else plain text.
ListFileFormat FormatOfFileName(std::string_view fileName);

// The entries of a list file in its format; nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadListFile(const std::string& path);

// A folder is read as a music folder, anything else as a list file.
std::optional<std::vector<std::string>> ReadEntrySource(const std::string& path);

}  // namespace quillora::listimport
