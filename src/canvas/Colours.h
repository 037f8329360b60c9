#pragma once
// Colour values of the records (0x00BBGGRR) and Qt colours.
#include <QColor>

#include "document/Records.h"

namespace quillora::canvas {

inline QColor ToQColor(document::Colour c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline document::Colour FromQColor(const QColor& c) {
    return document::Colour(c.red()) | (document::Colour(c.green()) << 8) | (document::Colour(c.blue()) << 16);
}

}  // namespace quillora::canvas
