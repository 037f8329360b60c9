#include "PrinterBands.h"

#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "LabelImage.h"

namespace quillora::canvas {

namespace {

// Enough bands to share among the cores of most machines and even out the work (a band crossed
// by many pictures costs more); every band draws all the layers again, which costs with more.
constexpr int kBands = 8;

// Bands on several threads leave the pictures' rows to their own thread: sharing them out too
// would run more threads than cores, each band waiting on its pictures' helpers.
void PaintBand(QImage& band, const document::LabelDocument& doc, int top, const BandLayout& layout, int threads) {
    PaintLabelRegion(band, doc, {layout.widthDev, layout.heightDev}, {0, top}, render::RenderTarget::Printer, nullptr,
                     std::max(1, RenderThreads() / threads));
}

// Calls work(i, thread) for every i below `count`, on the calling thread and `threads` - 1 pool
// threads at once, each thread taking the next i when done with its last; returns when all are.
void ForEachBand(int count, int threads, const std::function<void(int band, int thread)>& work) {
    std::atomic<int> next = 0;
    std::mutex mutex;
    std::condition_variable finished;
    int running = threads - 1;
    const auto take = [&](int thread) {
        for (int i = next++; i < count; i = next++) work(i, thread);
    };
    for (int t = 1; t < threads; ++t) {
        QThreadPool::globalInstance()->start([&, t] {
            take(t);
            // Notified under the lock: the caller's wait cannot end, and these locals go, before.
            std::lock_guard lock(mutex);
            --running;
            finished.notify_all();
        });
    }
    take(0);
    std::unique_lock lock(mutex);
    finished.wait(lock, [&] { return running == 0; });
}

// Rows of an image from `top` as an image of their own, sharing its memory. The caller takes
// `bits` once: bits() counts a detach each time, which threads must not do at once.
QImage RowsOf(uchar* bits, const QImage& image, int top, int rows) {
    return {bits + image.bytesPerLine() * top, image.width(), rows, image.bytesPerLine(), image.format()};
}

}  // namespace

int PrinterBandRows(int widthDev, int heightDev, qsizetype maxBytes) {
    const qsizetype rowBytes = qsizetype{std::max(widthDev, 1)} * 4;
    const int byMemory = static_cast<int>(std::clamp<qsizetype>(maxBytes / rowBytes, 1, std::max(heightDev, 1)));
    return std::min(byMemory, std::max(1, (heightDev + kBands - 1) / kBands));
}

bool RenderPrinterBands(const document::LabelDocument& doc, const BandLayout& layout, int threads,
                        const std::function<void(int band, int thread, const QImage& image)>& take) {
    const int count = layout.BandCount();
    if (count == 0 || layout.widthDev <= 0) return true;
    threads = std::clamp(threads, 1, count);
    // One band's memory for each thread, reused from band to band.
    std::vector<QImage> slotImages;
    std::vector<uchar*> slotBits;
    for (int t = 0; t < threads; ++t) {
        slotImages.emplace_back(layout.widthDev, std::min(layout.bandRows, layout.heightDev), QImage::Format_RGB32);
        if (slotImages.back().isNull()) return false;
        slotBits.push_back(slotImages.back().bits());
    }
    ForEachBand(count, threads, [&](int i, int thread) {
        const int top = i * layout.bandRows;
        const auto slot = static_cast<std::size_t>(thread);
        QImage band = RowsOf(slotBits[slot], slotImages[slot], 0, std::min(layout.bandRows, layout.heightDev - top));
        PaintBand(band, doc, top, layout, threads);
        take(i, thread, band);
    });
    return true;
}

void PaintPrinterImage(QImage& image, const document::LabelDocument& doc, int threads) {
    if (image.isNull()) return;
    const BandLayout layout{image.width(), image.height(), PrinterBandRows(image.width(), image.height(), image.sizeInBytes())};
    uchar* const bits = image.bits();
    threads = std::clamp(threads, 1, std::max(1, layout.BandCount()));
    ForEachBand(layout.BandCount(), threads, [&](int i, int) {
        const int top = i * layout.bandRows;
        QImage band = RowsOf(bits, image, top, std::min(layout.bandRows, layout.heightDev - top));
        PaintBand(band, doc, top, layout, threads);
    });
}

}  // namespace quillora::canvas
