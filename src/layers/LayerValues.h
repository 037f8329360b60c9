#pragma once
// Copies between layer records and the current layer values that the dialogs edit.
#include "document/LayerSettings.h"
#include "document/Records.h"

namespace quillora::layers {

// Loads a text layer's values, strings cleared before they are copied.
void LoadTextSettings(document::TextLayerSettings& settings, const document::LayerRecord& layer);
// Writes the fifteen values, the name (first 49 bytes of the text) and makes the layer visible.
void StoreTextLayer(document::LayerRecord& layer, const document::TextLayerSettings& settings);

void LoadPictureSettings(document::PicLayerSettings& settings, const document::LayerRecord& layer);
// Writes the placement values, the path and the name (the file title, at most 48 bytes);
// the visibility is left as it is.
void StorePictureLayer(document::LayerRecord& layer, const document::PicLayerSettings& settings);

}  // namespace quillora::layers
