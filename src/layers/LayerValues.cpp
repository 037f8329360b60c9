#include "LayerValues.h"

#include "FileTitle.h"
#include "document/LabelDocument.h"
#include "text/FixedField.h"

namespace quillora::layers {

using text::FieldView;
using text::StoreField;

namespace {
// The picture name goes through a 49-byte buffer with its terminator.
constexpr std::size_t kPictureNameBytes = 48;
}  // namespace

void LoadTextSettings(document::TextLayerSettings& s, const document::LayerRecord& layer) {
    s.fontColor = layer.fontColor;
    s.angle = layer.angle;
    s.fontBold = layer.fontBold;
    s.fontItalic = layer.fontItalic;
    s.fontSize = layer.fontSize;
    s.fontStrike = layer.fontStrike;
    s.fontUnderline = layer.fontUnderline;
    s.posX = layer.posX;
    s.posY = layer.posY;
    s.shadow = layer.shadow;
    s.shadowColor = layer.shadowColor;
    s.shadowX = layer.shadowX;
    s.shadowY = layer.shadowY;
    StoreField(s.fontFace, FieldView(layer.fontFace));
    StoreField(s.text, FieldView(layer.text));
}

void StoreTextLayer(document::LayerRecord& layer, const document::TextLayerSettings& s) {
    layer.fontColor = s.fontColor;
    layer.angle = s.angle;
    layer.fontBold = s.fontBold;
    layer.fontItalic = s.fontItalic;
    layer.fontSize = s.fontSize;
    layer.fontStrike = s.fontStrike;
    layer.fontUnderline = s.fontUnderline;
    layer.posX = s.posX;
    layer.posY = s.posY;
    layer.shadow = s.shadow;
    layer.shadowColor = s.shadowColor;
    layer.shadowX = s.shadowX;
    layer.shadowY = s.shadowY;
    StoreField(layer.fontFace, FieldView(s.fontFace));
    StoreField(layer.text, FieldView(s.text));
    std::string_view text = FieldView(layer.text);
    document::SetLayerName(layer, text.data(), text.size());
    layer.visible = 1;
}

void LoadPictureSettings(document::PicLayerSettings& s, const document::LayerRecord& layer) {
    s.placement = layer.placement;
    s.keepAspect = layer.keepAspect;
    s.posX = layer.posX;
    s.posY = layer.posY;
    s.imageWidthPx = layer.imageWidthPx;
    s.imageHeightPx = layer.imageHeightPx;
    s.widthMm = layer.widthMm;
    s.heightMm = layer.heightMm;
    StoreField(s.picturePath, FieldView(layer.picturePath));
}

void StorePictureLayer(document::LayerRecord& layer, const document::PicLayerSettings& s) {
    layer.placement = s.placement;
    layer.keepAspect = s.keepAspect;
    layer.posX = s.posX;
    layer.posY = s.posY;
    layer.imageWidthPx = s.imageWidthPx;
    layer.imageHeightPx = s.imageHeightPx;
    layer.widthMm = s.widthMm;
    layer.heightMm = s.heightMm;
    StoreField(layer.picturePath, FieldView(s.picturePath));
    StoreField(layer.name, FileTitle(FieldView(layer.picturePath)), kPictureNameBytes);
}

}  // namespace quillora::layers
