#include "LabelRenderer.h"

#include <cstdint>

#include "DeviceUnits.h"
#include "ListLayerDrawing.h"
#include "PictureLayerDrawing.h"
#include "TextLayerDrawing.h"

namespace quillora::render {

namespace {

// The lowest position whose layer can show: the topmost picture covering the disc hides all below.
int LowestShownPosition(const document::LabelDocument& doc) {
    // The last position is the background, painted already.
    const int lowest = doc.SafeLayerCount() - 2;
    for (int pos = 0; pos < lowest; ++pos) {
        const int slot = doc.SlotAt(pos);
        if (slot >= 0 && CoversDisc(doc.layers[slot], doc.pictures[slot].get())) return pos;
    }
    return lowest;
}

void DrawLayers(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, int widthDev,
                int heightDev, float hScale, float vScale) {
    for (int pos = LowestShownPosition(doc); pos >= 0; --pos) {
        int slot = doc.SlotAt(pos);
        if (slot < 0) continue;
        const document::LayerRecord& layer = doc.layers[slot];
        if (layer.visible == 0) continue;
        switch (layer.kind) {
        case document::LayerKind::List:
            DrawListLayer(canvas, doc, originX, originY, hScale, vScale);
            break;
        case document::LayerKind::Text:
            DrawTextLayer(canvas, layer, originX, originY, widthDev, heightDev, hScale, vScale);
            break;
        case document::LayerKind::Picture:
            DrawPictureLayer(canvas, layer, doc.pictures[slot].get(), originX, originY, widthDev, heightDev, hScale,
                             vScale);
            break;
        default:
            break;
        }
    }
}

}  // namespace

LabelOutline OutlineOf(const document::LabelDocument& doc, int originX, int originY, int widthMm, int heightMm,
                       int widthDev, int heightDev) {
    const float hScale = static_cast<float>(widthDev) / static_cast<float>(widthMm);
    const float vScale = static_cast<float>(heightDev) / static_cast<float>(heightMm);
    const DeviceRect square{originX, originY, ClampDevice(std::int64_t{originX} + widthDev),
                            ClampDevice(std::int64_t{originY} + heightDev)};
    const int inner = doc.SafeOuterMm() - doc.SafeInnerMm();
    const int insetX = TruncateToDevice(static_cast<float>(inner) * hScale * 0.5f);
    const int insetY = TruncateToDevice(static_cast<float>(inner) * vScale * 0.5f);
    return {square, {square.left + insetX, square.top + insetY, square.right - insetX, square.bottom - insetY}};
}

void RenderLabel(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, int widthMm,
                 int heightMm, int widthDev, int heightDev, RenderTarget target) {
    if (widthMm <= 0 || heightMm <= 0 || widthDev <= 0 || heightDev <= 0) return;
    float hScale = static_cast<float>(widthDev) / static_cast<float>(widthMm);
    float vScale = static_cast<float>(heightDev) / static_cast<float>(heightMm);
    const auto [square, hole] = OutlineOf(doc, originX, originY, widthMm, heightMm, widthDev, heightDev);

    canvas.FillRect(square, doc.state.backColor);
    DrawLayers(canvas, doc, originX, originY, widthDev, heightDev, hScale, vScale);

    bool view = target == RenderTarget::View;
    document::Colour mask = view ? kViewFaceColour : kPaperWhite;
    DeviceSize page = canvas.Size();
    canvas.FillOutsideEllipse(view ? square : DeviceRect{0, 0, page.width, page.height}, square, mask);

    canvas.FillEllipse(hole, mask);

    if (doc.state.borderLine != 0) {
        canvas.FrameEllipse(square, doc.state.lineColor);
        canvas.FrameEllipse(hole, doc.state.lineColor);
    }
}

}  // namespace quillora::render
