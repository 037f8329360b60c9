#pragma once
// Little-endian fields of file headers held in a QByteArray; the caller checks the size.
#include <QByteArray>
#include <cstdint>

namespace quillora::pictures {

inline std::uint32_t Get16(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8;
}
inline std::uint32_t Get32(const QByteArray& b, int at) { return Get16(b, at) | Get16(b, at + 2) << 16; }

}  // namespace quillora::pictures
