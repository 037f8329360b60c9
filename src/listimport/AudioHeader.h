#pragma once
// Whether a file's first bytes can start audio of the kind its extension names. TagLib searches a
// whole file for an MPEG frame when there is none, which takes seconds for a large file that is
// no audio: such files are passed over before TagLib sees them.
#include <string>

namespace quillora::listimport {

// `extension` in lower case with its dot (".mp3"). False for anything but a readable regular file.
bool MayBeAudio(const std::string& path, const std::string& extension);

}  // namespace quillora::listimport
