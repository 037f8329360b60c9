#include "PrinterBands.h"

#include <QPainter>
#include <QThreadPool>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "PainterCanvas.h"
#include "render/LabelRenderer.h"

namespace quillora::canvas {

namespace {

// Enough bands to share among the cores of most machines and even out the work (a band crossed
// by many pictures costs more); every band draws all the layers again, which costs with more.
constexpr int kBands = 8;

void PaintBand(QImage& band, const document::LabelDocument& doc, int top, int widthDev, int heightDev) {
    const int outerMm = doc.SafeOuterMm();
    QPainter painter(&band);
    PainterCanvas canvas(painter);
    render::RenderLabel(canvas, doc, 0, -top, outerMm, outerMm, widthDev, heightDev, render::RenderTarget::Printer);
}

// Calls render(i) for every i below `count` on `threads` pool threads and deliver(i) on the
// calling thread in order of i. render(i) starts only once deliver(i - threads) has returned, so
// the i-th job may use slot i % threads.
void RunInOrder(int count, int threads, const std::function<void(int)>& render,
                const std::function<void(int)>& deliver) {
    if (threads <= 1) {
        for (int i = 0; i < count; ++i) {
            render(i);
            deliver(i);
        }
        return;
    }
    std::mutex mutex;
    std::condition_variable changed;
    int next = 0;
    int delivered = 0;
    int running = threads;
    std::vector<bool> ready(static_cast<std::size_t>(count), false);
    auto work = [&] {
        for (;;) {
            int i = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return next >= count || next < delivered + threads; });
                if (next >= count) break;
                i = next++;
            }
            render(i);
            std::lock_guard lock(mutex);
            ready[static_cast<std::size_t>(i)] = true;
            changed.notify_all();
        }
        // Notified under the lock: the caller's wait cannot end, and these locals go, before.
        std::lock_guard lock(mutex);
        --running;
        changed.notify_all();
    };
    for (int t = 0; t < threads; ++t) QThreadPool::globalInstance()->start(work);
    for (int i = 0; i < count; ++i) {
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return ready[static_cast<std::size_t>(i)]; });
        }
        deliver(i);
        std::lock_guard lock(mutex);
        delivered = i + 1;
        changed.notify_all();
    }
    std::unique_lock lock(mutex);
    changed.wait(lock, [&] { return running == 0; });
}

// Rows of an image from `top` as an image of their own, sharing its memory. The caller takes
// `bits` once: bits() counts a detach each time, which threads must not do at once.
QImage RowsOf(uchar* bits, const QImage& image, int top, int rows) {
    return {bits + image.bytesPerLine() * top, image.width(), rows, image.bytesPerLine(), image.format()};
}

}  // namespace

int RenderThreads() { return std::max(1, QThreadPool::globalInstance()->maxThreadCount()); }

int PrinterBandRows(int widthDev, int heightDev, qsizetype maxBytes) {
    const qsizetype rowBytes = qsizetype{std::max(widthDev, 1)} * 4;
    const int byMemory = static_cast<int>(std::clamp<qsizetype>(maxBytes / rowBytes, 1, std::max(heightDev, 1)));
    return std::min(byMemory, std::max(1, (heightDev + kBands - 1) / kBands));
}

bool RenderPrinterBands(const document::LabelDocument& doc, const BandLayout& layout, int threads,
                        const std::function<void(int top, const QImage& band)>& deliver) {
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
    // A fresh image over the slot for every band: a print engine may know an image by its key.
    std::vector<QImage> bands(slotImages.size());
    RunInOrder(
        count, threads,
        [&](int i) {
            const int top = i * layout.bandRows;
            const auto slot = static_cast<std::size_t>(i % threads);
            QImage& band = bands[slot];
            band = RowsOf(slotBits[slot], slotImages[slot], 0, std::min(layout.bandRows, layout.heightDev - top));
            PaintBand(band, doc, top, layout.widthDev, layout.heightDev);
        },
        [&](int i) { deliver(i * layout.bandRows, bands[static_cast<std::size_t>(i % threads)]); });
    return true;
}

void PaintPrinterImage(QImage& image, const document::LabelDocument& doc, int threads) {
    if (image.isNull()) return;
    const BandLayout layout{image.width(), image.height(), PrinterBandRows(image.width(), image.height(), image.sizeInBytes())};
    threads = std::clamp(threads, 1, std::max(1, layout.BandCount()));
    uchar* const bits = image.bits();
    RunInOrder(
        layout.BandCount(), threads,
        [&](int i) {
            const int top = i * layout.bandRows;
            QImage band = RowsOf(bits, image, top, std::min(layout.bandRows, layout.heightDev - top));
            PaintBand(band, doc, top, layout.widthDev, layout.heightDev);
        },
        [](int) {});
}

}  // namespace quillora::canvas
