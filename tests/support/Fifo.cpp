#include "Fifo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool MakeFifo(const std::string& path) { return ::mkfifo(path.c_str(), 0600) == 0; }

void ReleaseFifoReaders(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) ::close(fd);
}
