#include "FileTitle.h"

namespace quillora::layers {

std::string FileTitle(std::string_view storedPath) {
    std::size_t slash = storedPath.rfind('/');
    if (slash != std::string_view::npos) storedPath.remove_prefix(slash + 1);
    return std::string(storedPath);
}

}  // namespace quillora::layers
