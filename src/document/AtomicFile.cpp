#include "AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillora::document {

namespace {

mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

void SyncFolder(const std::string& folder) {
    int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// An existing file through its links; a new name as given.
std::string Resolved(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

}  // namespace

ReplacementFile::ReplacementFile(const std::string& path) : destination_(Resolved(path)) {
    if (path.empty()) return;
    struct stat existing {};
    exists_ = ::stat(destination_.c_str(), &existing) == 0;
    if (exists_ && !S_ISREG(existing.st_mode)) return;
    mode_ = exists_ ? (existing.st_mode & 07777) : NewFileMode();
    temporary_ = FolderOf(destination_) + "/.quillora-XXXXXX";
    fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd_ < 0) temporary_.clear();
}

ReplacementFile::~ReplacementFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool ReplacementFile::Write(std::string_view data) {
    while (fd_ >= 0 && !data.empty()) {
        const ssize_t n = ::write(fd_, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return fd_ >= 0;
}

bool ReplacementFile::Replaces(const std::string& other) const {
    struct stat a {}, b {};
    return exists_ && ::stat(destination_.c_str(), &a) == 0 && ::stat(other.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool ReplacementFile::Commit() {
    if (fd_ < 0) return false;
    bool ok = ::fchmod(fd_, mode_) == 0 && ::fsync(fd_) == 0;
    ok = ::close(fd_) == 0 && ok;
    fd_ = -1;
    if (!ok || ::rename(temporary_.c_str(), destination_.c_str()) != 0) return false;
    temporary_.clear();
    SyncFolder(FolderOf(destination_));
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents) {
    ReplacementFile file(path);
    return file.Write(contents) && file.Commit();
}

}  // namespace quillora::document
