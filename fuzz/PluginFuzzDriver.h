#pragma once
// Drives a picture plug-in linked into the fuzzer the way the host does: support, size, read,
// into a buffer whose end is guarded by the address sanitizer.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzInputFile.h"
#include "quillora_picture_plugin.h"

// Sizes above this are accepted by the host but make fuzzing crawl.
constexpr std::int64_t kFuzzMaxPixels = 4 * 1024 * 1024;

inline int FuzzPicturePlugin(const std::uint8_t* data, std::size_t size) {
    static FuzzInputFile file;
    const std::string& path = file.Write(data, size);
    std::int32_t width = 0, height = 0;
    if (!imIsSupport(path.c_str()) || !imGetPictureSize(path.c_str(), &width, &height)) return 0;
    if (width <= 0 || height <= 0 || width > QUILLORA_PIP_MAX_SIDE || height > QUILLORA_PIP_MAX_SIDE ||
        static_cast<std::int64_t>(width) * height > kFuzzMaxPixels)
        return 0;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    imReadPicture(path.c_str(), width, height, pixels.data());
    // A size the plug-in did not report is refused, not written past.
    if (width > 1 && imReadPicture(path.c_str(), width / 2, height, pixels.data())) __builtin_trap();
    return 0;
}
