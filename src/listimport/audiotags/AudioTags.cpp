// quillora_read_audio_tags: the one place TagLib is used.
#include <algorithm>
#include <audioproperties.h>
#include <cstring>
#include <fileref.h>
#include <infotag.h>
#include <string>
#include <tag.h>
#include <wavfile.h>

#include "quillora_audio_tags.h"

namespace {

// "3" or "3/12"; 0 for none.
unsigned TrackNumber(const TagLib::String& text) {
    const int number = text.split("/").front().toInt();
    return number > 0 ? static_cast<unsigned>(number) : 0;
}

// A WAV file's title and track in its RIFF INFO chunk, where the ID3 tag has none.
void ReadRiffInfo(TagLib::File* file, std::string& title, unsigned& track) {
    auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file);
    if (!wav || !wav->hasInfoTag()) return;
    const TagLib::RIFF::Info::Tag& info = *wav->InfoTag();
    if (title.empty()) title = info.title().stripWhiteSpace().to8Bit(true);
    for (const char* field : {"IPRT", "ITRK"})
        if (track == 0) track = TrackNumber(info.fieldText(field));
}

int ReadTags(const char* path, QuilloraAudioTags& tags) {
    // TagLib accepts an .mp3 without a single MPEG frame; only a stream with a sample rate is audio.
    TagLib::FileRef ref(path, true, TagLib::AudioProperties::Fast);
    if (ref.isNull() || ref.tag() == nullptr || ref.audioProperties() == nullptr ||
        ref.audioProperties()->sampleRate() <= 0)
        return QUILLORA_AUDIO_TAGS_NOT_AUDIO;
    std::string title = ref.tag()->title().stripWhiteSpace().to8Bit(true);
    unsigned track = ref.tag()->track();
    ReadRiffInfo(ref.file(), title, track);
    tags.track = track;
    tags.titleLength = title.size();
    const std::size_t copied = std::min(title.size(), tags.titleCapacity);
    if (copied > 0) std::memcpy(tags.title, title.data(), copied);
    return QUILLORA_AUDIO_TAGS_AUDIO;
}

}  // namespace

extern "C" int quillora_read_audio_tags(const char* path, QuilloraAudioTags* tags) {
    try {
        return ReadTags(path, *tags);
    } catch (...) {
        return QUILLORA_AUDIO_TAGS_FAILED;
    }
}
