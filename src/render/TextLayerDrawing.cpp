#include "TextLayerDrawing.h"

#include <cstdint>

#include "ArcText.h"
#include "DeviceUnits.h"
#include "LayerFont.h"
#include "document/TextArc.h"
#include "text/FixedField.h"

namespace quillora::render {

std::optional<FontRequest> TextLayerFont(const document::LayerRecord& layer, float vScale) {
    const std::int32_t angle = document::ReadArc(layer) ? 0 : layer.angle;
    return MakeFontRequest({text::FieldView(layer.fontFace), layer.fontSize, layer.fontBold, layer.fontItalic,
                            layer.fontUnderline, layer.fontStrike, angle},
                           vScale);
}

void DrawTextLayer(Canvas& canvas, const document::LayerRecord& layer, int originX, int originY, int widthDev,
                   int heightDev, float hScale, float vScale) {
    auto font = TextLayerFont(layer, vScale);
    if (!font) return;
    canvas.SelectFont(*font);

    if (auto arc = document::ReadArc(layer)) {
        DrawArcText(canvas, layer, *arc,
                    {originX + widthDev / 2.0, originY + heightDev / 2.0, hScale, vScale});
        return;
    }
    int x = ClampDevice(std::int64_t{originX} + ToDevice(layer.posX, hScale));
    int y = ClampDevice(std::int64_t{originY} + ToDevice(layer.posY, vScale));
    std::string_view text = text::FieldView(layer.text);
    if (layer.shadow != 0)
        canvas.DrawText(ClampDevice(std::int64_t{x} + layer.shadowX), ClampDevice(std::int64_t{y} + layer.shadowY),
                        text, layer.shadowColor);
    canvas.DrawText(x, y, text, layer.fontColor);
}

}  // namespace quillora::render
