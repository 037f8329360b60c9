#include "PluginLibrary.h"

#include <array>
#include <dlfcn.h>

#include "PluginPixelBuffer.h"

namespace quillora::pictures {

namespace {
template <typename Function>
Function Export(void* handle, const char* name) {
    return reinterpret_cast<Function>(::dlsym(handle, name));
}
}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::Open(const std::string& path) {
    // RTLD_NOW: a plug-in with unresolved symbols fails here instead of in the middle of a call.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    std::unique_ptr<PluginLibrary> library(new PluginLibrary(handle));
    library->getInfo_ = Export<QuilloraPipGetInfo>(handle, "imGetInfo");
    library->isSupport_ = Export<QuilloraPipIsSupport>(handle, "imIsSupport");
    library->getPictureSize_ = Export<QuilloraPipGetPictureSize>(handle, "imGetPictureSize");
    library->readPicture_ = Export<QuilloraPipReadPicture>(handle, "imReadPicture");
    if (!library->getInfo_ || !library->isSupport_ || !library->getPictureSize_ ||
        !library->readPicture_)
        return nullptr;
    return library;
}

PluginLibrary::~PluginLibrary() { ::dlclose(handle_); }

std::string PluginLibrary::Pattern() const {
    std::array<char, QUILLORA_PIP_INFO_BUFFER_SIZE> text{};
    getInfo_(QUILLORA_PIP_INFO_PATTERN, text.data(), static_cast<std::int32_t>(text.size()));
    text.back() = 0;
    return text.data();
}

bool PluginLibrary::IsSupport(const std::string& path) const { return isSupport_(path.c_str()) != 0; }

bool PluginLibrary::GetPictureSize(const std::string& path, std::int32_t& width,
                                   std::int32_t& height) const {
    return getPictureSize_(path.c_str(), &width, &height) != 0;
}

bool PluginLibrary::ReadPicture(const std::string& path, PluginPixelBuffer& buffer) const {
    return readPicture_(path.c_str(), buffer.Width(), buffer.Height(), buffer.Data()) != 0;
}

}  // namespace quillora::pictures
