// ReadAudioFolder of EntrySource.h: the tags of a music folder, read through the audio tag module.
#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>
#include <tuple>

#include "AudioHeader.h"
#include "AudioTagReader.h"
#include "EntrySource.h"
#include "FileStem.h"

namespace quillora::listimport {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kNoTrack = std::numeric_limits<unsigned>::max();  // sorts last

struct AudioFile {
    unsigned track = kNoTrack;
    std::string fileName;
    std::string title;
};

std::string AudioExtension(const fs::path& path) {
    static constexpr std::array<std::string_view, 8> kExtensions = {".mp3", ".flac", ".ogg", ".oga",
                                                                    ".opus", ".m4a", ".wav", ".wave"};
    std::string ext = path.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::find(kExtensions.begin(), kExtensions.end(), ext) != kExtensions.end() ? ext : std::string();
}

AudioFile WithFileName(const fs::path& path, AudioTags tags) {
    AudioFile file;
    file.fileName = path.filename().string();
    file.title = tags.title.empty() ? FileStem(file.fileName) : std::move(tags.title);
    if (tags.track != 0) file.track = tags.track;
    return file;
}

struct Candidate {
    fs::path path;
    std::string extension;
};

std::optional<std::vector<Candidate>> ListAudioFiles(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) return std::nullopt;
    std::vector<Candidate> candidates;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) return std::nullopt;
        std::string extension = AudioExtension(it->path());
        if (!extension.empty() && it->is_regular_file(error)) candidates.push_back({it->path(), std::move(extension)});
    }
    return candidates;
}

}  // namespace

SourceEntries ReadAudioFolder(const std::string& folder, const FolderProgress& progress) {
    return Guarded([&] {
        const AudioTagReader* reader = AudioTagReader::Loaded();
        const std::optional<std::vector<Candidate>> candidates = ListAudioFiles(folder);
        if (!reader || !candidates) return SourceEntries{SourceStatus::CannotOpen, {}};
        const int total = static_cast<int>(candidates->size());
        std::vector<AudioFile> files;
        for (int done = 0; done < total; ++done) {
            if (progress && !progress(done, total)) return SourceEntries{SourceStatus::Cancelled, {}};
            const Candidate& candidate = (*candidates)[static_cast<std::size_t>(done)];
            if (!MayBeAudio(candidate.path.string(), candidate.extension)) continue;
            AudioTags tags;
            const TagsRead read = reader->Read(candidate.path.string(), tags);
            if (read == TagsRead::Failed) return SourceEntries{SourceStatus::CannotOpen, {}};
            if (read == TagsRead::Audio) files.push_back(WithFileName(candidate.path, std::move(tags)));
        }
        std::sort(files.begin(), files.end(), [](const AudioFile& a, const AudioFile& b) {
            return std::tie(a.track, a.fileName) < std::tie(b.track, b.fileName);
        });
        std::vector<std::string> entries;
        for (AudioFile& file : files) entries.push_back(std::move(file.title));
        return WithEntries(std::move(entries));
    });
}

}  // namespace quillora::listimport
