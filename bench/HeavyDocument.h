#pragma once
// A label with every layer slot in use: 30 rotated text layers with shadows, 16 picture layers of
// 4000 x 3000 pixels in every placement, and a two-column list of 50 two-line entries.
#include <memory>

#include "document/LabelDocument.h"

namespace quillora::bench {

std::unique_ptr<document::LabelDocument> MakeHeavyDocument();

}  // namespace quillora::bench
