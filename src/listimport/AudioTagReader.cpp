#include "AudioTagReader.h"

#include <dlfcn.h>
#include <filesystem>
#include <optional>

#include "ProjectInfo.h"
#include "settings/ProgramDirectory.h"

namespace quillora::listimport {
namespace {

constexpr std::size_t kTitleBytes = 1024;  // longer titles are read a second time

std::optional<QuilloraReadAudioTags> LoadFrom(const std::filesystem::path& folder) {
    // RTLD_NOW: a module missing TagLib fails here, not in the middle of a folder.
    void* module = ::dlopen((folder / QUILLORA_AUDIO_TAGS_FILE).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return std::nullopt;
    auto read = reinterpret_cast<QuilloraReadAudioTags>(::dlsym(module, "quillora_read_audio_tags"));
    if (!read) {
        ::dlclose(module);
        return std::nullopt;
    }
    return read;
}

}  // namespace

const AudioTagReader* AudioTagReader::Loaded() {
    static const std::optional<AudioTagReader> reader = []() -> std::optional<AudioTagReader> {
        const std::filesystem::path programDir = settings::ProgramDirectory();
        for (const auto& folder : {programDir, project::InstalledPluginFolder(programDir)})
            if (const auto read = LoadFrom(folder)) return AudioTagReader(*read);
        return std::nullopt;
    }();
    return reader ? &*reader : nullptr;
}

TagsRead AudioTagReader::Read(const std::string& path, AudioTags& tags) const {
    std::string title(kTitleBytes, '\0');
    QuilloraAudioTags read{};
    for (;;) {
        read.title = title.data();
        read.titleCapacity = title.size();
        const int status = read_(path.c_str(), &read);
        if (status == QUILLORA_AUDIO_TAGS_NOT_AUDIO) return TagsRead::NotAudio;
        if (status != QUILLORA_AUDIO_TAGS_AUDIO) return TagsRead::Failed;
        if (read.titleLength <= title.size()) break;
        title.resize(read.titleLength);
    }
    title.resize(read.titleLength);
    tags = {read.track, std::move(title)};
    return TagsRead::Audio;
}

}  // namespace quillora::listimport
