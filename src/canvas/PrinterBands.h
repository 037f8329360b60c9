#pragma once
// The label's square at a printer's resolution, rendered in horizontal bands on several threads:
// the bands are independent of each other, so the page renders on every core, while no more
// than one band per thread is held at once.
#include <QImage>
#include <functional>

#include "RenderThreads.h"
#include "document/LabelDocument.h"

namespace quillora::canvas {

struct BandLayout {
    int widthDev = 0;  // the label's square in device pixels
    int heightDev = 0;
    int bandRows = 1;  // rows of every band but the last, which may be shorter

    int BandCount() const { return bandRows <= 0 || heightDev <= 0 ? 0 : (heightDev + bandRows - 1) / bandRows; }
};

// Rows of a band: an eighth of the square, whatever the threads, so that the pixels do not depend
// on them (the rasteriser steps a slanted edge from the band's top), and at most `maxBytes`.
int PrinterBandRows(int widthDev, int heightDev, qsizetype maxBytes);

// Renders the square band by band on `threads` threads (the calling one among them) and hands
// each band, the i-th starting at row i * bandRows, to `take` on the thread that rendered it
// (numbered from 0), as soon as it is done: in no order and on several threads at once. The
// band's image is the thread's, for its next band, once `take` returns. False, with nothing
// taken, when the bands' memory is not there. Not for the pool's own threads: the caller waits
// for the pool's threads it started.
bool RenderPrinterBands(const document::LabelDocument& doc, const BandLayout& layout, int threads,
                        const std::function<void(int band, int thread, const QImage& image)>& take);

// The whole square as the printer sees it into `image` (width and height), in bands painted in
// place on `threads` threads.
void PaintPrinterImage(QImage& image, const document::LabelDocument& doc, int threads);

}  // namespace quillora::canvas
