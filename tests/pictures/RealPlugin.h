#pragma once
// A shipped plug-in from the program folder of the build, called the way the host calls it.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "PluginLibrary.h"
#include "PluginPixelBuffer.h"

struct DecodedPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgrx;  // the plug-in's buffer: top-down, 4 bytes a pixel

    const std::uint8_t* At(int c, int r) const { return bgrx.data() + (static_cast<std::size_t>(r) * width + c) * 4; }
};

inline std::unique_ptr<quillora::pictures::PluginLibrary> OpenShippedPlugin(const std::string& fileName) {
    return quillora::pictures::PluginLibrary::Open(std::string(QUILLORA_BIN_DIR) + "/" + fileName);
}

// The pixels when the plug-in accepts, sizes and reads the file; none when any step refuses.
inline std::optional<DecodedPixels> DecodeWith(const quillora::pictures::PluginLibrary& plugin,
                                               const std::string& path) {
    std::int32_t width = 0, height = 0;
    if (!plugin.IsSupport(path) || !plugin.GetPictureSize(path, width, height)) return std::nullopt;
    auto buffer = quillora::pictures::PluginPixelBuffer::Create(width, height);
    if (!buffer || !plugin.ReadPicture(path, *buffer)) return std::nullopt;
    DecodedPixels out{width, height, {}};
    out.bgrx.assign(buffer->Data(), buffer->Data() + static_cast<std::size_t>(width) * height * 4);
    return out;
}
