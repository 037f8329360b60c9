#pragma once
// BMP files: 1, 4, 8, 16, 24 and 32 bits, bottom-up and top-down, RLE; 16-bit files decoded
// here, the others through Qt's BMP reader.
#include <memory>
#include <string>

#include "document/Picture.h"

namespace quillora::pictures {

// The file as a 24-bit bottom-up picture, or null when it is no readable BMP file. The file's
// contents decide, not its name.
std::unique_ptr<document::Picture> ReadBmpPicture(const std::string& fileSystemPath);

}  // namespace quillora::pictures
