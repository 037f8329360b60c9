#include "PictureLayerDrawing.h"

#include <cstdint>

#include "DeviceUnits.h"

namespace quillora::render {

namespace {

std::optional<DeviceRect> Rect(std::int64_t x, std::int64_t y, int w, int h) {
    if (w <= 0 || h <= 0) return std::nullopt;
    return DeviceRect{ClampDevice(x), ClampDevice(y), ClampDevice(x + w), ClampDevice(y + h)};
}

// Fills the box's height when the box is relatively wider than the picture, its width otherwise.
std::optional<DeviceRect> KeepAspect(const document::LayerRecord& layer, int originX, int originY, int widthDev,
                                     int heightDev) {
    int pw = layer.imageWidthPx;
    int ph = layer.imageHeightPx;
    if (pw <= 0 || ph <= 0 || heightDev <= 0) return std::nullopt;
    if (widthDev / heightDev > pw / ph) {
        float r = static_cast<float>(heightDev) / static_cast<float>(ph);
        int w = TruncateToDevice(static_cast<float>(pw) * r);
        int h = TruncateToDevice(static_cast<float>(ph) * r);
        return Rect(std::int64_t{originX} + (std::int64_t{widthDev} - w) / 2, originY, w, h);
    }
    float r = static_cast<float>(widthDev) / static_cast<float>(pw);
    int w = TruncateToDevice(static_cast<float>(pw) * r);
    int h = TruncateToDevice(static_cast<float>(ph) * r);
    return Rect(originX, std::int64_t{originY} + (std::int64_t{heightDev} - h) / 2, w, h);
}

bool Drawable(const document::Picture* picture) {
    return picture != nullptr && picture->width > 0 && picture->height > 0 &&
           picture->bits.size() >= picture->RowBytes() * static_cast<std::size_t>(picture->height);
}

}  // namespace

bool CoversDisc(const document::LayerRecord& layer, const document::Picture* picture) {
    return layer.kind == document::LayerKind::Picture && layer.visible != 0 && layer.placement == 2 &&
           layer.keepAspect == 0 && Drawable(picture);
}

std::optional<DeviceRect> PictureDestination(const document::LayerRecord& layer, int originX, int originY,
                                             int widthDev, int heightDev, float hScale, float vScale) {
    int w = ToDevice(layer.widthMm, hScale);
    int h = ToDevice(layer.heightMm, vScale);
    switch (layer.placement) {
    case 0:
        return Rect(std::int64_t{originX} + ToDevice(layer.posX, hScale),
                    std::int64_t{originY} + ToDevice(layer.posY, vScale), w, h);
    case 1:
        return Rect(std::int64_t{originX} + (std::int64_t{widthDev} - w) / 2,
                    std::int64_t{originY} + (std::int64_t{heightDev} - h) / 2, w, h);
    case 2:
        if (layer.keepAspect == 0) return Rect(originX, originY, widthDev, heightDev);
        return KeepAspect(layer, originX, originY, widthDev, heightDev);
    default:
        return std::nullopt;
    }
}

void DrawPictureLayer(Canvas& canvas, const document::LayerRecord& layer, const document::Picture* picture,
                      int originX, int originY, int widthDev, int heightDev, float hScale, float vScale) {
    if (!Drawable(picture)) return;
    auto dest = PictureDestination(layer, originX, originY, widthDev, heightDev, hScale, vScale);
    DeviceRect disc{originX, originY, ClampDevice(std::int64_t{originX} + widthDev),
                    ClampDevice(std::int64_t{originY} + heightDev)};
    if (dest) canvas.DrawPicture(*picture, *dest, disc);
}

}  // namespace quillora::render
