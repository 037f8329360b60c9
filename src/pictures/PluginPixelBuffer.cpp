#include "PluginPixelBuffer.h"

#include <cstring>
#include <sys/mman.h>

#include "PictureLimits.h"

namespace quillora::pictures {

namespace {
// Large pictures touch tens of thousands of pages; backing the untouched memory with huge
// pages saves most of the page faults. Only a hint: where it is refused nothing changes.
void AdviseHugePages(void* memory, std::size_t bytes) {
    constexpr std::uintptr_t kHugePage = 2 * 1024 * 1024;
    const auto begin = (reinterpret_cast<std::uintptr_t>(memory) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(memory) + bytes) & ~(kHugePage - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}
}  // namespace

std::unique_ptr<PluginPixelBuffer> PluginPixelBuffer::Create(std::int32_t width, std::int32_t height) {
    if (!IsAcceptedPictureSize(width, height)) return nullptr;
    // calloc: large buffers come zeroed from the system without a pass over them.
    auto* pixels = static_cast<std::uint8_t*>(
        std::calloc(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 4));
    if (!pixels) return nullptr;
    AdviseHugePages(pixels, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    return std::unique_ptr<PluginPixelBuffer>(new PluginPixelBuffer(width, height, pixels));
}

std::unique_ptr<document::Picture> PluginPixelBuffer::ToPicture() const {
    auto picture = std::make_unique<document::Picture>();
    picture->width = width_;
    picture->height = height_;
    const std::size_t rowBytes = picture->RowBytes();
    const std::size_t sourceRowBytes = static_cast<std::size_t>(width_) * 4;
    const std::size_t bytes = rowBytes * static_cast<std::size_t>(height_);
    picture->bits.reserve(bytes);
    AdviseHugePages(picture->bits.data(), bytes);
    picture->bits.resize(bytes);  // padding stays 0
    for (std::int32_t k = 0; k < height_; ++k) {
        const std::uint8_t* source = pixels_.get() + sourceRowBytes * static_cast<std::size_t>(height_ - 1 - k);
        std::uint8_t* target = picture->bits.data() + rowBytes * static_cast<std::size_t>(k);
        // Whole 4-byte pixels, each store's fourth byte overwritten by the next pixel: far
        // quicker than byte stores. The last pixel of the row takes its three bytes only.
        for (std::int32_t c = 0; c + 1 < width_; ++c, source += 4, target += 3) std::memcpy(target, source, 4);
        std::memcpy(target, source, 3);
    }
    return picture;
}

}  // namespace quillora::pictures
