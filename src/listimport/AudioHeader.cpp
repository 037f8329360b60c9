#include "AudioHeader.h"

#include <string_view>
#include <unistd.h>

#include "document/RegularFile.h"

namespace quillora::listimport {
namespace {

// Enough for any container header; an MP3's frames may start after an ID3v2 tag of any size,
// and after padding of at most this much.
constexpr std::size_t kHeaderBytes = 4096;

std::string ReadAt(int fd, off_t offset, std::size_t count) {
    std::string bytes(count, '\0');
    const ssize_t n = ::pread(fd, bytes.data(), count, offset);
    bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return bytes;
}

// The size of an ID3v2 tag at the start, header and footer included; 0 without one.
off_t Id3v2Size(std::string_view head) {
    if (head.size() < 10 || head.substr(0, 3) != "ID3") return 0;
    off_t size = 0;
    for (int i = 6; i < 10; ++i) size = (size << 7) | (static_cast<unsigned char>(head[i]) & 0x7F);
    const bool footer = (static_cast<unsigned char>(head[5]) & 0x10) != 0;
    return size + 10 + (footer ? 10 : 0);
}

// The first MPEG audio frame: a sync word after at most a run of zero padding.
bool StartsWithMpegFrame(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size() && bytes[i] == '\0') ++i;
    return i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i]) == 0xFF &&
           (static_cast<unsigned char>(bytes[i + 1]) & 0xE0) == 0xE0;
}

bool MayBeAudio(int fd, const std::string& extension) {
    const std::string head = ReadAt(fd, 0, kHeaderBytes);
    const std::string_view h(head);
    if (extension == ".mp3" || extension == ".flac") {
        const off_t tag = Id3v2Size(h);
        const std::string after = tag == 0 ? head : ReadAt(fd, tag, kHeaderBytes);
        return extension == ".flac" ? std::string_view(after).substr(0, 4) == "fLaC" : StartsWithMpegFrame(after);
    }
    if (extension == ".ogg" || extension == ".oga" || extension == ".opus") return h.substr(0, 4) == "OggS";
    if (extension == ".m4a") return h.size() >= 8 && h.substr(4, 4) == "ftyp";
    if (extension == ".wav" || extension == ".wave") return h.substr(0, 4) == "RIFF" && h.size() >= 12 && h.substr(8, 4) == "WAVE";
    return false;
}

}  // namespace

bool MayBeAudio(const std::string& path, const std::string& extension) {
    const int fd = document::OpenRegularFile(path);
    if (fd < 0) return false;
    const bool audio = MayBeAudio(fd, extension);
    ::close(fd);
    return audio;
}

}  // namespace quillora::listimport
