#pragma once
// The document window's off-screen picture of the label: the whole label rendered at 3 pixels
// per millimetre after every change, so that window repaints only copy it.
#include <QImage>

#include "document/LabelDocument.h"

namespace quillora::canvas {

class ViewBitmap {
public:

    // outerPx x outerPx pixels, the corners masked in the window's face colour.
    void Render(const document::LabelDocument& doc);
    const QImage& Image() const { return image_; }
    void Clear() { image_ = QImage(); }

private:
    QImage image_;
};

}  // namespace quillora::canvas
