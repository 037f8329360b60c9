#pragma once
// Where the list's entries come from: a text file, a playlist, a CUE sheet or a music folder.
// Every source is read without blocking on what is no regular file, and nothing a reader meets
// escapes as an exception.
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace quillora::listimport {

enum class SourceStatus {
    Ok,          // at least one entry
    CannotOpen,  // missing, no regular file or folder, or a read error
    NoEntries,   // empty, or no text a track list is made of
    Cancelled,   // the user stopped a folder import
};

struct SourceEntries {
    SourceStatus status = SourceStatus::CannotOpen;
    std::vector<std::string> entries;  // UTF-8, only with Ok
};

// Told of each audio file before it is read, with the number read so far and the number in all;
// false stops the import.
using FolderProgress = std::function<bool(int done, int total)>;

// A list file larger than this is no track list.
inline constexpr std::size_t kMaxListFileBytes = std::size_t{8} << 20;

// Ok with the entries, NoEntries without any.
SourceEntries WithEntries(std::vector<std::string> entries);

// Runs a reader; one that runs out of memory, or a tag library that throws, fails its source
// alone: CannotOpen.
template <typename Read>
SourceEntries Guarded(Read read) {
    try {
        return read();
    } catch (const std::exception&) {
        return {SourceStatus::CannotOpen, {}};
    }
}

// The entries of a list file in the format its name gives.
SourceEntries ReadListFile(const std::string& path);

// The title tags of the audio files in a folder (MP3, FLAC, Ogg Vorbis, Opus, M4A, WAV with ID3 or
// RIFF INFO tags; the folder alone, not its subfolders), ordered by track number and then by file
// name; files without a track number come after the numbered ones. A file without a title gives
// its name without the extension. Other files, and audio files that cannot be read or whose first
// bytes are no audio of their kind, are skipped. CannotOpen when the folder cannot be listed.
SourceEntries ReadAudioFolder(const std::string& folder, const FolderProgress& progress = {});

// A folder is read as a music folder, anything else as a list file.
SourceEntries ReadEntrySource(const std::string& path, const FolderProgress& progress = {});

}  // namespace quillora::listimport
