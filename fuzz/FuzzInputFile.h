#pragma once
// The picture readers take paths: each input goes into one in-memory file, reached by path.
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

class FuzzInputFile {
public:
    FuzzInputFile() : fd_(::memfd_create("fuzz-input", 0)), path_("/proc/self/fd/" + std::to_string(fd_)) {}

    // Replaces the file's contents and returns its path.
    const std::string& Write(const std::uint8_t* data, std::size_t size) {
        if (::ftruncate(fd_, 0) != 0 || ::pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size)) __builtin_trap();
        return path_;
    }

private:
    int fd_;
    std::string path_;
};
