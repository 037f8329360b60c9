#pragma once
// 16-bit BMP files, 5-5-5 and bit fields such as 5-6-5, decoded here: Qt's reader widens a
// 5-bit channel by shifting (31 reads as 248), where every other reader gives the full range.
#include <memory>
#include <optional>

#include "document/Picture.h"

class QIODevice;

namespace quillora::pictures {

// nullopt when the file is no uncompressed or bit-field 16-bit BMP file (another reader's
// turn); otherwise its 24-bit bottom-up picture, or null when it is damaged. Reads from the
// device's current position, which must be the start of the file.
std::optional<std::unique_ptr<document::Picture>> ReadBmp16(QIODevice& file);

}  // namespace quillora::pictures
