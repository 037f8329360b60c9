#include "AppSettings.h"

#include "text/FixedField.h"

namespace quillora::settings {

AppSettings::AppSettings() : text{}, picture{} {
    text::StoreField(text.text, kDefaultLayerText);
    text::StoreField(text.fontFace, kDefaultFontFace);
    text.fontSize = 12;
    text.shadowColor = 0x808080;
    text.shadowX = 1;
    text.shadowY = 1;
    text.arc.radius = kDefaultArcRadius;
}

}  // namespace quillora::settings
