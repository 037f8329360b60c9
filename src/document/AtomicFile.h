#pragma once
#include <string>
#include <string_view>

namespace quillora::document {

// Replaces the file at `path` with `contents` so that readers see either the old or the new
// file, never a part: temporary file in the same folder, checked writes, fsync, rename.
// A new file gets the permissions the umask allows; a replaced one keeps its own.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace quillora::document
