// ReadAudioFolder of EntrySource.h: the tags of a music folder.
#include <algorithm>
#include <array>
#include <audioproperties.h>
#include <cctype>
#include <filesystem>
#include <fileref.h>
#include <infotag.h>
#include <limits>
#include <optional>
#include <system_error>
#include <tag.h>
#include <tuple>
#include <wavfile.h>

#include "AudioHeader.h"
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

// "3" or "3/12".
unsigned TrackNumber(const TagLib::String& text) {
    const int number = text.split("/").front().toInt();
    return number > 0 ? static_cast<unsigned>(number) : kNoTrack;
}

// A WAV file's title and track in its RIFF INFO chunk, where the ID3 tag has none.
void ReadRiffInfo(TagLib::File* file, std::string& title, unsigned& track) {
    auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file);
    if (!wav || !wav->hasInfoTag()) return;
    const TagLib::RIFF::Info::Tag& info = *wav->InfoTag();
    if (title.empty()) title = info.title().stripWhiteSpace().to8Bit(true);
    if (track != kNoTrack) return;
    for (const char* field : {"IPRT", "ITRK"})
        if (track == kNoTrack) track = TrackNumber(info.fieldText(field));
}

std::optional<AudioFile> ReadAudioFile(const fs::path& path) {
    // TagLib accepts an .mp3 without a single MPEG frame; only a stream with a sample rate is audio.
    TagLib::FileRef ref(path.c_str(), true, TagLib::AudioProperties::Fast);
    if (ref.isNull() || ref.tag() == nullptr || ref.audioProperties() == nullptr ||
        ref.audioProperties()->sampleRate() <= 0)
        return std::nullopt;
    const TagLib::Tag& tag = *ref.tag();
    AudioFile file;
    file.fileName = path.filename().string();
    file.title = tag.title().stripWhiteSpace().to8Bit(true);
    if (tag.track() != 0) file.track = tag.track();
    ReadRiffInfo(ref.file(), file.title, file.track);
    if (file.title.empty()) file.title = FileStem(file.fileName);
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
        const std::optional<std::vector<Candidate>> candidates = ListAudioFiles(folder);
        if (!candidates) return SourceEntries{SourceStatus::CannotOpen, {}};
        const int total = static_cast<int>(candidates->size());
        std::vector<AudioFile> files;
        for (int done = 0; done < total; ++done) {
            if (progress && !progress(done, total)) return SourceEntries{SourceStatus::Cancelled, {}};
            const Candidate& candidate = (*candidates)[static_cast<std::size_t>(done)];
            if (!MayBeAudio(candidate.path.string(), candidate.extension)) continue;
            if (auto file = ReadAudioFile(candidate.path)) files.push_back(std::move(*file));
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
