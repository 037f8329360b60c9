#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace quillora::listimport {

// One entry per track of an M3U / M3U8 playlist: the title of its #EXTINF line, or else the
// track's file name without its extension. Other lines starting with "#" are skipped.
std::vector<std::string> ReadPlaylistEntries(std::string_view bytes);

}  // namespace quillora::listimport
