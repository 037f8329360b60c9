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

LabelRender::LabelRender(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, int widthMm,
                         int heightMm, int widthDev, int heightDev, RenderTarget target)
    : canvas_(canvas), doc_(doc), originX_(originX), originY_(originY), widthDev_(widthDev), heightDev_(heightDev),
      target_(target), empty_(widthMm <= 0 || heightMm <= 0 || widthDev <= 0 || heightDev <= 0) {
    if (empty_) return;
    hScale_ = static_cast<float>(widthDev) / static_cast<float>(widthMm);
    vScale_ = static_cast<float>(heightDev) / static_cast<float>(heightMm);
    outline_ = OutlineOf(doc, originX, originY, widthMm, heightMm, widthDev, heightDev);
    for (int pos = LowestShownPosition(doc); pos >= 0; --pos) {
        const int slot = doc.SlotAt(pos);
        if (slot >= 0 && doc.layers[slot].visible != 0) positions_.push_back(pos);
    }
}

void LabelRender::Background() { canvas_.FillRect(outline_.disc, doc_.state.backColor); }

void LabelRender::Layer(std::size_t index) {
    const int slot = doc_.SlotAt(positions_[index]);
    const document::LayerRecord& layer = doc_.layers[slot];
    switch (layer.kind) {
    case document::LayerKind::List:
        DrawListLayer(canvas_, doc_, originX_, originY_, hScale_, vScale_);
        break;
    case document::LayerKind::Text:
        DrawTextLayer(canvas_, layer, originX_, originY_, widthDev_, heightDev_, hScale_, vScale_);
        break;
    case document::LayerKind::Picture:
        DrawPictureLayer(canvas_, layer, doc_.pictures[slot].get(), originX_, originY_, widthDev_, heightDev_,
                         hScale_, vScale_);
        break;
    default:
        break;
    }
}

void LabelRender::Finish() {
    const bool view = target_ == RenderTarget::View;
    const document::Colour mask = view ? kViewFaceColour : kPaperWhite;
    const DeviceSize page = canvas_.Size();
    canvas_.FillOutsideEllipse(view ? outline_.disc : DeviceRect{0, 0, page.width, page.height}, outline_.disc, mask);
    canvas_.FillEllipse(outline_.hole, mask);
    if (doc_.state.borderLine != 0) {
        canvas_.FrameEllipse(outline_.disc, doc_.state.lineColor);
        canvas_.FrameEllipse(outline_.hole, doc_.state.lineColor);
    }
}

void RenderLabel(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, int widthMm,
                 int heightMm, int widthDev, int heightDev, RenderTarget target) {
    LabelRender render(canvas, doc, originX, originY, widthMm, heightMm, widthDev, heightDev, target);
    if (render.Empty()) return;
    render.Background();
    for (std::size_t i = 0; i < render.Positions().size(); ++i) render.Layer(i);
    render.Finish();
}

}  // namespace quillora::render
