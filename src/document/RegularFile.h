#pragma once
// Reading files that must be regular files. A FIFO would block an ordinary open until a writer
// came, a device or a folder is no document: both are refused without blocking.
#include <cstddef>
#include <limits>
#include <string>

namespace quillora::document {

// A descriptor open for reading (close-on-exec, blocking reads), or -1 when the path is missing,
// cannot be opened or is not a regular file; errno is ENOENT only for a missing file.
int OpenRegularFile(const std::string& path);

enum class FileStatus { Ok, Missing, Unreadable };

// Reads at most `maxBytes` bytes of a regular file into `bytes`.
FileStatus ReadRegularFile(const std::string& path, std::string& bytes,
                           std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace quillora::document
