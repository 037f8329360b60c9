#pragma once
// The view's picture of the layers below the selected one, kept between renders: editing the
// selected layer, or adding one above it, redraws only the layers from there up over a copy.
// The kept picture is used only while every layer it holds is still drawn unchanged at the
// bottom of the stack, at the same place and size.
#include <QImage>
#include <QPoint>
#include <memory>
#include <vector>

#include "document/LabelDocument.h"

namespace quillora::canvas {

class ScaledPictures;

class LayerComposite {
public:
    // Paints the part of `doc` rendered `side` pixels across that starts at `corner` of its
    // bounding square into `image` (RGB32), as PaintLabelRegion does for the view.
    void Paint(QImage& image, const document::LabelDocument& doc, int side, QPoint corner, ScaledPictures* pictures);
    void Clear();

private:
    struct Layer {
        document::LayerRecord record;
        std::shared_ptr<const document::Picture> picture;
    };
    // How many of the drawn layers (bottom up) the kept picture holds, or -1 when it cannot be used.
    int KeptLayers(const document::LabelDocument& doc, const std::vector<int>& positions, int side, QPoint corner,
                   QSize size, QImage::Format format) const;
    void Keep(const QImage& image, const document::LabelDocument& doc, const std::vector<int>& positions,
              std::size_t count, int side, QPoint corner);

    QImage image_;
    std::vector<Layer> layers_;
    int side_ = 0;
    QPoint corner_;
    int outerMm_ = 0;
    document::Colour backColor_ = 0;
};

}  // namespace quillora::canvas
