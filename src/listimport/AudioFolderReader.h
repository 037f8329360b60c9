#pragma once
#include <optional>
#include <string>
#include <vector>

namespace quillora::listimport {

// The title tags of the audio files in a folder (MP3, FLAC, Ogg Vorbis, Opus, M4A, WAV; the
// folder alone, not its subfolders), ordered by track number and then by file name; files
// without a track number come after the numbered ones. A file without a title gives its name
// without the extension. Other files, and audio files that cannot be read, are skipped.
// nullopt when the folder cannot be listed.
std::optional<std::vector<std::string>> ReadAudioFolderEntries(const std::string& folder);

}  // namespace quillora::listimport
