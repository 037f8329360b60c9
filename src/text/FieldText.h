#pragma once
// A fixed text field of the records as UTF-8: its bytes before the first NUL, decoded from
// code page 932.
#include <cstddef>
#include <string>

#include "text/Cp932.h"
#include "text/FixedField.h"

namespace quillora::text {

template <std::size_t N>
std::string FieldToUtf8(const char (&field)[N]) {
    return Cp932ToUtf8(FieldView(field));
}

}  // namespace quillora::text
