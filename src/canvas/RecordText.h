#pragma once
// Code page 932 text of the records as Qt strings, for drawing and for the dialogs' controls.
#include <QString>
#include <cstddef>
#include <string_view>

#include "text/FieldText.h"

namespace quillora::canvas {

inline QString Cp932ToQString(std::string_view bytes) { return QString::fromStdString(text::Cp932ToUtf8(bytes)); }

template <std::size_t N>
QString FieldToQString(const char (&field)[N]) {
    return QString::fromStdString(text::FieldToUtf8(field));
}

}  // namespace quillora::canvas
