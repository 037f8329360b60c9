#include "AudioFolderReader.h"

#include <algorithm>
#include <audioproperties.h>
#include <array>
#include <cctype>
#include <filesystem>
#include <fileref.h>
#include <limits>
#include <system_error>
#include <tag.h>
#include <tuple>

#include "FileStem.h"

namespace quillora::listimport {
namespace {

namespace fs = std::filesystem;

struct AudioFile {
    unsigned track;  // no track number sorts last
    std::string fileName;
    std::string title;
};

bool HasAudioExtension(const fs::path& path) {
    static constexpr std::array<std::string_view, 8> kExtensions = {".mp3", ".flac", ".ogg", ".oga",
                                                                    ".opus", ".m4a", ".wav", ".wave"};
    std::string ext = path.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::find(kExtensions.begin(), kExtensions.end(), ext) != kExtensions.end();
}

std::optional<AudioFile> ReadAudioFile(const fs::path& path) {
    // TagLib accepts an .mp3 without a single MPEG frame; only a stream with a sample rate is audio.
    TagLib::FileRef ref(path.c_str(), true, TagLib::AudioProperties::Fast);
    if (ref.isNull() || ref.tag() == nullptr || ref.audioProperties() == nullptr ||
        ref.audioProperties()->sampleRate() <= 0)
        return std::nullopt;
    const TagLib::Tag& tag = *ref.tag();
    std::string fileName = path.filename().string();
    std::string title = tag.title().stripWhiteSpace().to8Bit(true);
    if (title.empty()) title = FileStem(fileName);
    const unsigned track = tag.track() != 0 ? tag.track() : std::numeric_limits<unsigned>::max();
    return AudioFile{track, std::move(fileName), std::move(title)};
}

}  // namespace

std::optional<std::vector<std::string>> ReadAudioFolderEntries(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) return std::nullopt;
    std::vector<AudioFile> files;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) return std::nullopt;
        if (!it->is_regular_file(error) || !HasAudioExtension(it->path())) continue;
        if (auto file = ReadAudioFile(it->path())) files.push_back(std::move(*file));
    }
    std::sort(files.begin(), files.end(), [](const AudioFile& a, const AudioFile& b) {
        return std::tie(a.track, a.fileName) < std::tie(b.track, b.fileName);
    });
    std::vector<std::string> entries;
    for (AudioFile& file : files) entries.push_back(std::move(file.title));
    return entries;
}

}  // namespace quillora::listimport
