#pragma once
#include <string>
#include <string_view>

namespace quillora::document {

// A new version of a file, written under a short temporary name in the destination's folder
// (so a name near the 255-byte limit still fits) and put in its place only when complete:
// readers see the old file or the new one, never a part. A link is followed, so the file it
// names is replaced. Removed again unless committed.
class ReplacementFile {
public:
    explicit ReplacementFile(const std::string& path);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when the destination is no regular file or no temporary file can be made beside it.
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& TemporaryPath() const { return temporary_; }
    bool Write(std::string_view data);
    // True when the destination is the file at `other` (through links too).
    bool Replaces(const std::string& other) const;
    // Syncs the contents, gives them the old file's permissions (or the umask's for a new one)
    // and renames them over the destination.
    bool Commit();

private:
    std::string destination_;
    std::string temporary_;
    int fd_ = -1;
    bool exists_ = false;
    unsigned mode_ = 0;
};

// The whole of `contents` as the file at `path`, through a ReplacementFile.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace quillora::document
