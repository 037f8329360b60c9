#pragma once
// Nearest-neighbour stretching of a slot's picture straight into a 32-bit image, reading the
// stored bottom-up rows in place: the QPainter route converts and transforms every source
// pixel it samples and was the bulk of a label's drawing time.
#include <QImage>
#include <QRect>

#include "EllipseSpans.h"
#include "document/Picture.h"

namespace quillora::canvas {

class PictureStretch {
public:
    // Whether Draw can paint into `target` (Format_RGB32 or Format_ARGB32).
    static bool Supports(const QImage& target);
    // The whole picture into `dest` (device pixels of `target`), cut at the image's edges and
    // to the rows and spans of `kept`; its rows shared among at most `threads` threads, the
    // calling one among them.
    static void Draw(QImage& target, const document::Picture& picture, const QRect& dest, const EllipseSpans& kept,
                     int threads);
    // The whole picture into `dest`, cut only at the image's edges.
    static void DrawWhole(QImage& target, const document::Picture& picture, const QRect& dest, int threads);
};

}  // namespace quillora::canvas
