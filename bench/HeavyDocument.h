#pragma once
// The labels the benchmarks draw. The heavy one has every layer slot in use: 30 rotated text
// layers with shadows, 16 picture layers of 4000 x 3000 pixels in every placement, and a
// two-column list of 50 two-line entries.
#include <memory>

#include "document/LabelDocument.h"

namespace quillora::bench {

std::unique_ptr<document::LabelDocument> MakeHeavyDocument();

// A 4:3 picture of about `megapixels` million pixels.
std::shared_ptr<const document::Picture> MakePictureOfMegapixels(int megapixels);

// A label of `layers` picture layers in the heavy label's placements, all showing `picture`, none
// covering the disc.
std::unique_ptr<document::LabelDocument> MakePictureLabel(int layers, std::shared_ptr<const document::Picture> picture);

}  // namespace quillora::bench
