#include "PictureLibrary.h"

#include <optional>
#include <unistd.h>

#include "BmpReader.h"
#include "PictureLimits.h"
#include "PluginLibrary.h"
#include "PluginPixelBuffer.h"
#include "PluginVisit.h"
#include "document/Records.h"
#include "document/RegularFile.h"
#include "text/StoredPath.h"
#include "document/Limits.h"

namespace quillora::pictures {

namespace {
// The file-system path of a stored path; none when the stored path would not fit its field or
// names no readable regular file. Checked before any reader or plug-in is given the path, so a
// FIFO never blocks them and Qt has no missing file to complain about.
std::optional<std::string> FileSystemPath(const std::string& storedPath) {
    if (storedPath.empty() || storedPath.size() > document::kStoredPathBytes ||
        storedPath.find('\0') != std::string::npos)
        return std::nullopt;
    std::string path = text::ResolveStoredPath(storedPath);
    const int fd = document::OpenRegularFile(path);
    if (fd < 0) return std::nullopt;
    ::close(fd);
    return path;
}
}  // namespace

bool PictureLibrary::IsPictureSupported(const std::string& storedPath) const {
    auto path = FileSystemPath(storedPath);
    if (!path) return false;
    if (ReadBmpPicture(*path)) return true;
    bool supported = false;
    VisitPlugins(programDir_, [&](const PluginLibrary& plugin) {
        supported = plugin.IsSupport(*path);
        return supported;
    });
    return supported;
}

PictureSize PictureLibrary::GetPictureSize(const std::string& storedPath) const {
    auto path = FileSystemPath(storedPath);
    if (!path) return {};
    if (auto bmp = ReadBmpPicture(*path)) return {bmp->width, bmp->height};
    PictureSize size;
    VisitPlugins(programDir_, [&](const PluginLibrary& plugin) {
        std::int32_t width = 0, height = 0;
        if (!plugin.GetPictureSize(*path, width, height) || !IsAcceptedPictureSize(width, height))
            return false;
        size = {width, height};
        return true;
    });
    return size;
}

std::unique_ptr<document::Picture> PictureLibrary::LoadPicture(const std::string& storedPath) const {
    auto path = FileSystemPath(storedPath);
    if (!path) return nullptr;
    if (auto bmp = ReadBmpPicture(*path)) return bmp;
    // Each plug-in that accepts and sizes the file gets its turn at reading it; when none
    // succeeds, the picture of the last one that tried is the answer.
    std::unique_ptr<document::Picture> picture;
    VisitPlugins(programDir_, [&](const PluginLibrary& plugin) {
        std::int32_t width = 0, height = 0;
        if (!plugin.IsSupport(*path) || !plugin.GetPictureSize(*path, width, height)) return false;
        auto buffer = PluginPixelBuffer::Create(width, height);
        if (!buffer) return false;
        bool read = plugin.ReadPicture(*path, *buffer);
        picture.reset();
        picture = buffer->ToPicture();
        return read;
    });
    return picture;
}

}  // namespace quillora::pictures
