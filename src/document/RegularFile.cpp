#include "RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillora::document {

int OpenRegularFile(const std::string& path) {
    // O_NONBLOCK: opening a FIFO returns at once; the type is checked on what was opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

FileStatus ReadRegularFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    const int fd = OpenRegularFile(path);
    if (fd < 0) return errno == ENOENT ? FileStatus::Missing : FileStatus::Unreadable;
    char buffer[8192];
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            bytes.clear();
            return FileStatus::Unreadable;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return FileStatus::Ok;
}

}  // namespace quillora::document
