#pragma once
// Whether a text layer's arc leaves characters out, as the view draws it: what the text layer
// dialog warns of.
#include "document/Records.h"

namespace quillora::canvas {

// False for a straight layer.
bool ArcLeavesCharactersOut(const document::LayerRecord& layer);

}  // namespace quillora::canvas
