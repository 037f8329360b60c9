#pragma once

namespace quillora::layers {

// The layer dialogs come for a new layer (OK, Cancel) and for an existing one (with Apply).
enum class DialogVariant { NewLayer, LayerSettings };

}  // namespace quillora::layers
