#include "PictureLoader.h"

#include <optional>

#include "BmpReader.h"
#include "PictureLimits.h"
#include "PluginLibrary.h"
#include "PluginPixelBuffer.h"
#include "PluginVisit.h"
#include "document/Records.h"
#include "text/Cp932.h"

namespace quillora::pictures {

namespace {
// The file-system path of a stored path; none when the stored path would not fit its field.
std::optional<std::string> FileSystemPath(const std::string& storedPath) {
    if (storedPath.empty() || storedPath.size() >= static_cast<std::size_t>(document::kPathBytes) ||
        storedPath.find('\0') != std::string::npos)
        return std::nullopt;
    return text::StoredPathToUtf8(storedPath);
}
}  // namespace

bool IsPictureSupported(const std::string& programDir, const std::string& storedPath) {
    auto path = FileSystemPath(storedPath);
    if (!path) return false;
    if (ReadBmpPicture(*path)) return true;
    bool supported = false;
    VisitPlugins(programDir, [&](const PluginLibrary& plugin) {
        supported = plugin.IsSupport(*path);
        return supported;
    });
    return supported;
}

PictureSize GetPictureSize(const std::string& programDir, const std::string& storedPath) {
    auto path = FileSystemPath(storedPath);
    if (!path) return {};
    if (auto bmp = ReadBmpPicture(*path)) return {bmp->width, bmp->height};
    PictureSize size;
    VisitPlugins(programDir, [&](const PluginLibrary& plugin) {
        std::int32_t width = 0, height = 0;
        if (!plugin.GetPictureSize(*path, width, height) || !IsAcceptedPictureSize(width, height))
            return false;
        size = {width, height};
        return true;
    });
    return size;
}

std::unique_ptr<document::Picture> LoadPicture(const std::string& programDir,
                                               const std::string& storedPath) {
    auto path = FileSystemPath(storedPath);
    if (!path) return nullptr;
    if (auto bmp = ReadBmpPicture(*path)) return bmp;
    // Each plug-in that accepts and sizes the file gets its turn at reading it; when none
    // succeeds, the picture of the last one that tried is the answer.
    std::unique_ptr<document::Picture> picture;
    VisitPlugins(programDir, [&](const PluginLibrary& plugin) {
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
