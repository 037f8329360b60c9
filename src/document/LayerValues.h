#pragma once
// Copies between layer records and the current layer values that the dialogs edit. Each kind's
// shared fields are listed once, in a visitor, and every copy walks that list.
#include <string>
#include <string_view>

#include "document/LayerSettings.h"
#include "document/Records.h"

namespace quillora::document {

// Calls f(recordField, settingsField) for every value a text layer and TextLayerSettings share.
template <class Layer, class Settings, class F>
void VisitTextLayerFields(Layer& layer, Settings& s, F&& f) {
    f(layer.fontColor, s.fontColor);
    f(layer.angle, s.angle);
    f(layer.fontBold, s.fontBold);
    f(layer.fontItalic, s.fontItalic);
    f(layer.fontSize, s.fontSize);
    f(layer.fontStrike, s.fontStrike);
    f(layer.fontUnderline, s.fontUnderline);
    f(layer.posX, s.posX);
    f(layer.posY, s.posY);
    f(layer.shadow, s.shadow);
    f(layer.shadowColor, s.shadowColor);
    f(layer.shadowX, s.shadowX);
    f(layer.shadowY, s.shadowY);
    f(layer.fontFace, s.fontFace);
    f(layer.text, s.text);
}

// The same for a picture layer and PicLayerSettings.
template <class Layer, class Settings, class F>
void VisitPictureLayerFields(Layer& layer, Settings& s, F&& f) {
    f(layer.placement, s.placement);
    f(layer.keepAspect, s.keepAspect);
    f(layer.posX, s.posX);
    f(layer.posY, s.posY);
    f(layer.imageWidthPx, s.imageWidthPx);
    f(layer.imageHeightPx, s.imageHeightPx);
    f(layer.widthMm, s.widthMm);
    f(layer.heightMm, s.heightMm);
    f(layer.picturePath, s.picturePath);
}

// Loads a text layer's values, strings cleared before they are copied; see LoadArc for the arc.
void LoadTextSettings(TextLayerSettings& settings, const LayerRecord& layer);
// Writes the fifteen values and the arc, the name (first 49 bytes of the text) and makes the
// layer visible.
void StoreTextLayer(LayerRecord& layer, const TextLayerSettings& settings);

void LoadPictureSettings(PicLayerSettings& settings, const LayerRecord& layer);
// Writes the placement values, the path and the name (the title of the file the path names,
// as code page 932, at most 48 bytes); the visibility is left as it is.
void StorePictureLayer(LayerRecord& layer, const PicLayerSettings& settings);

// The name after the last folder of a path.
std::string FileTitle(std::string_view storedPath);

}  // namespace quillora::document
