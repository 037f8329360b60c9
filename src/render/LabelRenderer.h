#pragma once
// Paints a whole label at any scale: background, layers bottom to top, the mask outside the
// disc and inside the hole, and the border.
#include <cstddef>
#include <vector>

#include "Canvas.h"
#include "document/LabelDocument.h"

namespace quillora::render {

enum class RenderTarget { View = 0, Printer = 1 };

// The window's face colour, which masks the view outside the disc.
constexpr document::Colour kViewFaceColour = 0xF0F0F0;
constexpr document::Colour kPaperWhite = 0xFFFFFF;

// The disc's bounding square and the hole's, in device units: the mask covers what lies outside
// the one and inside the other, and the border frames both on their inside edge.
struct LabelOutline {
    DeviceRect disc;
    DeviceRect hole;
};
LabelOutline OutlineOf(const document::LabelDocument& doc, int originX, int originY, int widthMm, int heightMm,
                       int widthDev, int heightDev);

// (originX, originY) is the top-left corner of the label's bounding square in device units,
// widthMm x heightMm its size in millimetres and widthDev x heightDev in device units.
// The view target masks the bounding square in the face colour; the printer target whitens
// the canvas's whole area outside the disc. Nothing is drawn when a size is 0 or below.
void RenderLabel(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, int widthMm,
                 int heightMm, int widthDev, int heightDev, RenderTarget target);

// RenderLabel in its steps, for a caller that keeps the picture of the layers below some layer:
// Background, then Layer(i) for each of Positions() in order, then Finish.
class LabelRender {
public:
    LabelRender(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, int widthMm,
                int heightMm, int widthDev, int heightDev, RenderTarget target);
    // Nothing is drawn when a size is 0 or below.
    bool Empty() const { return empty_; }
    // The positions whose layers are drawn, bottom up.
    const std::vector<int>& Positions() const { return positions_; }
    void Background();
    void Layer(std::size_t index);
    // The mask and the border.
    void Finish();

private:
    Canvas& canvas_;
    const document::LabelDocument& doc_;
    int originX_, originY_, widthDev_, heightDev_;
    float hScale_ = 0, vScale_ = 0;
    LabelOutline outline_;
    RenderTarget target_;
    bool empty_;
    std::vector<int> positions_;
};

}  // namespace quillora::render
