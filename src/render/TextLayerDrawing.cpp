#include "TextLayerDrawing.h"

#include <cstdint>

#include "DeviceUnits.h"
#include "LayerFont.h"
#include "text/FixedField.h"

namespace quillora::render {

void DrawTextLayer(Canvas& canvas, const document::LayerRecord& layer, int originX, int originY,
                   float hScale, float vScale) {
    auto font = MakeFontRequest({text::FieldView(layer.fontFace), layer.fontSize, layer.fontBold,
                                 layer.fontItalic, layer.fontUnderline, layer.fontStrike, layer.angle},
                                vScale);
    if (!font) return;
    canvas.SelectFont(*font);

    int x = ClampDevice(std::int64_t{originX} + ToDevice(layer.posX, hScale));
    int y = ClampDevice(std::int64_t{originY} + ToDevice(layer.posY, vScale));
    std::string_view text = text::FieldView(layer.text);
    if (layer.shadow != 0)
        canvas.DrawText(ClampDevice(std::int64_t{x} + layer.shadowX), ClampDevice(std::int64_t{y} + layer.shadowY),
                        text, layer.shadowColor);
    canvas.DrawText(x, y, text, layer.fontColor);
}

}  // namespace quillora::render
