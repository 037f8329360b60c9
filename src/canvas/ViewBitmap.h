#pragma once
// The document window's off-screen picture of the label: the part of the label the window shows,
// rendered at the window's zoom in device pixels, so that a repaint that shows the same part
// (the grid switched, the window uncovered) only copies it and a scroll renders only what it
// uncovers. The pictures stay stretched to the view between renders, and a render of the whole
// part starts from the kept layers below the selected one when they are unchanged.
#include <QImage>
#include <QRect>

#include "LayerComposite.h"
#include "ScaledPictures.h"
#include "document/LabelDocument.h"

namespace quillora::canvas {

class ViewBitmap {
public:
    // The pixels `region` covers of the label rendered `side` pixels across, the region counted
    // from the label square's top-left corner; the corners and hole in the window's face colour.
    // Rendered again where the region differs from the last call's at the same side, and all of it
    // when the side differs or the label changed.
    const QImage& Region(const document::LabelDocument& doc, int side, const QRect& region);
    // The label changed: the next Region renders.
    void Invalidate() { current_ = false; }
    void Clear();

private:
    QImage image_;
    ScaledPictures pictures_;
    LayerComposite below_;
    int side_ = 0;
    QRect region_;
    bool current_ = false;
};

}  // namespace quillora::canvas
