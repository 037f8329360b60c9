#include "ArcTextFit.h"

#include <QImage>
#include <QPainter>

#include "PainterCanvas.h"
#include "document/Limits.h"
#include "document/TextArc.h"
#include "render/ArcText.h"
#include "render/TextLayerDrawing.h"
#include "text/FixedField.h"

namespace quillora::canvas {

bool ArcLeavesCharactersOut(const document::LayerRecord& layer) {
    const auto arc = document::ReadArc(layer);
    constexpr float kView = document::kViewPixelsPerMm;
    const auto font = render::TextLayerFont(layer, kView);
    if (!arc || !font) return false;
    // Only measured: a pixel to paint on is enough.
    QImage image(1, 1, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.SelectFont(*font);
    return render::LayOutArc(canvas, text::FieldView(layer.text), *arc, {0, 0, kView, kView}).cut;
}

}  // namespace quillora::canvas
