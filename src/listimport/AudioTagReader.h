#pragma once
// The audio tag module, loaded the first time a music folder is read and kept from then on, so
// that the program carries TagLib only once it needs it.
#include <string>

#include "audiotags/quillora_audio_tags.h"

namespace quillora::listimport {

struct AudioTags {
    unsigned track = 0;  // 0 when there is none
    std::string title;   // UTF-8, white space trimmed, empty when there is none
};

enum class TagsRead {
    Audio,     // the tags are filled in
    NotAudio,  // unreadable, or no audio stream
    Failed,    // the tag library failed
};

class AudioTagReader {
public:
    // The module beside the program, else the one in the installed plug-in folder; null when
    // neither loads.
    static const AudioTagReader* Loaded();

    TagsRead Read(const std::string& path, AudioTags& tags) const;

private:
    explicit AudioTagReader(QuilloraReadAudioTags read) : read_(read) {}

    QuilloraReadAudioTags read_;
};

}  // namespace quillora::listimport
