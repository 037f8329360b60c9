#include "LabelRenderer.h"

#include <cstdint>

#include "DeviceUnits.h"
#include "ListLayerDrawing.h"
#include "PictureLayerDrawing.h"
#include "TextLayerDrawing.h"

namespace quillora::render {

namespace {

void DrawLayers(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, int widthDev,
                int heightDev, float hScale, float vScale) {
    // The last position is the background, painted already.
    for (int pos = doc.SafeLayerCount() - 2; pos >= 0; --pos) {
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

void RenderLabel(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, int widthMm,
                 int heightMm, int widthDev, int heightDev, RenderTarget target) {
    if (widthMm <= 0 || heightMm <= 0 || widthDev <= 0 || heightDev <= 0) return;
    float hScale = static_cast<float>(widthDev) / static_cast<float>(widthMm);
    float vScale = static_cast<float>(heightDev) / static_cast<float>(heightMm);
    DeviceRect square{originX, originY, ClampDevice(std::int64_t{originX} + widthDev),
                      ClampDevice(std::int64_t{originY} + heightDev)};

    canvas.FillRect(square, doc.state.backColor);
    DrawLayers(canvas, doc, originX, originY, widthDev, heightDev, hScale, vScale);

    bool view = target == RenderTarget::View;
    document::Colour mask = view ? kViewFaceColour : kPaperWhite;
    DeviceSize page = canvas.Size();
    canvas.FillOutsideEllipse(view ? square : DeviceRect{0, 0, page.width, page.height}, square, mask);

    int inner = doc.SafeOuterMm() - doc.SafeInnerMm();
    int insetX = TruncateToDevice(static_cast<float>(inner) * hScale * 0.5f);
    int insetY = TruncateToDevice(static_cast<float>(inner) * vScale * 0.5f);
    DeviceRect hole{square.left + insetX, square.top + insetY, square.right - insetX, square.bottom - insetY};
    canvas.FillEllipse(hole, mask);

    if (doc.state.borderLine != 0) {
        canvas.FrameEllipse(square, doc.state.lineColor);
        canvas.FrameEllipse(hole, doc.state.lineColor);
    }
}

}  // namespace quillora::render
