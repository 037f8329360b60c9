#pragma once
// The label's image with what lies outside the disc and inside the hole made transparent: the
// pixels the renderer's mask covers, the border staying.
#include <QImage>

#include "document/LabelDocument.h"

namespace quillora::canvas {

// `label` is the label's whole square as RenderLabelImage gives it; the result is ARGB32.
QImage WithTransparentSurroundings(const QImage& label, const document::LabelDocument& doc);

}  // namespace quillora::canvas
