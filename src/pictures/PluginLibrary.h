#pragma once
// One picture plug-in, loaded by absolute path for the length of one call.
#include <cstdint>
#include <memory>
#include <string>

#include "quillora_picture_plugin.h"

namespace quillora::pictures {

class PluginPixelBuffer;

class PluginLibrary {
public:
    // Null when the file is no loadable library or lacks one of the four exports.
    static std::unique_ptr<PluginLibrary> Open(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // The file-name pattern from imGetInfo, cut at the buffer's last byte.
    std::string Pattern() const;
    bool IsSupport(const std::string& path) const;
    bool GetPictureSize(const std::string& path, std::int32_t& width, std::int32_t& height) const;
    bool ReadPicture(const std::string& path, PluginPixelBuffer& buffer) const;

private:
    explicit PluginLibrary(void* handle) : handle_(handle) {}

    void* handle_;
    QuilloraPipGetInfo getInfo_ = nullptr;
    QuilloraPipIsSupport isSupport_ = nullptr;
    QuilloraPipGetPictureSize getPictureSize_ = nullptr;
    QuilloraPipReadPicture readPicture_ = nullptr;
};

}  // namespace quillora::pictures
