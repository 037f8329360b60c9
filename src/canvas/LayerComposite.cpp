#include "LayerComposite.h"

#include <QPainter>
#include <cstring>

#include "PainterCanvas.h"
#include "ScaledPictures.h"
#include "render/LabelRenderer.h"

namespace quillora::canvas {

namespace {

// The drawn layers below the selected position, up to the list layer, whose drawing reads more
// of the document than its record.
std::size_t BelowSelection(const document::LabelDocument& doc, const std::vector<int>& positions) {
    const int selected = doc.SafeSelectedPos();
    std::size_t count = 0;
    while (count < positions.size() && positions[count] > selected &&
           doc.KindAt(positions[count]) != document::LayerKind::List)
        ++count;
    return count;
}

}  // namespace

int LayerComposite::KeptLayers(const document::LabelDocument& doc, const std::vector<int>& positions, int side,
                               QPoint corner, QSize size, QImage::Format format) const {
    if (image_.isNull() || image_.size() != size || image_.format() != format || side != side_ || corner != corner_ ||
        doc.SafeOuterMm() != outerMm_ || doc.state.backColor != backColor_ || layers_.size() > positions.size())
        return -1;
    for (std::size_t i = 0; i < layers_.size(); ++i) {
        const int slot = doc.SlotAt(positions[i]);
        if (std::memcmp(&layers_[i].record, &doc.layers[slot], sizeof(document::LayerRecord)) != 0 ||
            layers_[i].picture != doc.pictures[slot])
            return -1;
    }
    return static_cast<int>(layers_.size());
}

void LayerComposite::Keep(const QImage& image, const document::LabelDocument& doc, const std::vector<int>& positions,
                          std::size_t count, int side, QPoint corner) {
    image_ = image.copy();
    layers_.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const int slot = doc.SlotAt(positions[i]);
        layers_.push_back({doc.layers[slot], doc.pictures[slot]});
    }
    side_ = side;
    corner_ = corner;
    outerMm_ = doc.SafeOuterMm();
    backColor_ = doc.state.backColor;
}

void LayerComposite::Paint(QImage& image, const document::LabelDocument& doc, int side, QPoint corner,
                           ScaledPictures* pictures) {
    const int outerMm = doc.SafeOuterMm();
    QPainter painter(&image);
    PainterCanvas canvas(painter, pictures);
    render::LabelRender render(canvas, doc, -corner.x(), -corner.y(), outerMm, outerMm, side, side,
                               render::RenderTarget::View);
    if (render.Empty()) return;
    const std::vector<int>& positions = render.Positions();
    const int kept = KeptLayers(doc, positions, side, corner, image.size(), image.format());
    if (kept >= 0) {
        std::memcpy(image.bits(), image_.constBits(), static_cast<std::size_t>(image.sizeInBytes()));
        // Their pictures are not drawn now but still shown.
        if (pictures != nullptr)
            for (const Layer& layer : layers_) pictures->Retain(layer.picture.get());
    } else {
        render.Background();
    }
    const std::size_t below = BelowSelection(doc, positions);
    // A kept picture that reaches above the selection stays: it still holds what it held.
    const bool keepNew = kept < 0 || below > static_cast<std::size_t>(kept);
    for (std::size_t i = kept < 0 ? 0 : static_cast<std::size_t>(kept); i < positions.size(); ++i) {
        if (keepNew && i == below) Keep(image, doc, positions, below, side, corner);
        render.Layer(i);
    }
    if (keepNew && below == positions.size()) Keep(image, doc, positions, below, side, corner);
    render.Finish();
}

void LayerComposite::Clear() {
    image_ = QImage();
    layers_.clear();
}

}  // namespace quillora::canvas
