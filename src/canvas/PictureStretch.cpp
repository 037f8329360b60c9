#include "PictureStretch.h"

#include <QThreadPool>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <latch>
#include <vector>

namespace quillora::canvas {

namespace {

constexpr int kMaxWorkers = 4;
// Below this many pixels a thread costs more than it saves.
constexpr std::int64_t kPixelsPerWorker = 32 * 1024;

// The source index sampled by destination index d of n: floor((d + 0.5) x size / n).
int Sample(std::int64_t d, std::int64_t n, std::int64_t size) { return static_cast<int>((2 * d + 1) * size / (2 * n)); }

// The picture stretched into `dest`, on the rows of `visible` and in each row within spanOf(y).
void Stretch(QImage& target, const document::Picture& picture, const QRect& dest, const QRect& visible,
             int threads, const std::function<Span(int)>& spanOf) {
    if (visible.isEmpty() || picture.width <= 0 || picture.height <= 0) return;

    std::vector<int> columnOffset(static_cast<std::size_t>(visible.width()));
    for (int x = 0; x < visible.width(); ++x)
        columnOffset[x] = 3 * Sample(visible.left() - dest.left() + x, dest.width(), picture.width);

    // bits() detaches the image once, before any thread starts; they only write their own rows.
    std::uint8_t* const pixels = target.bits();
    const qsizetype bytesPerLine = target.bytesPerLine();
    auto drawRows = [&](int first, int end) {
        for (int y = first; y < end; ++y) {
            int row = Sample(y - dest.top(), dest.height(), picture.height);
            const std::uint8_t* source = picture.TopRow(row);
            Span span = spanOf(y);
            int left = std::max(span.left, visible.left()) - visible.left();
            int right = std::min(span.right, visible.right() + 1) - visible.left();
            auto* out = reinterpret_cast<QRgb*>(pixels + bytesPerLine * y) + visible.left();
            for (int x = left; x < right; ++x) {
                const std::uint8_t* p = source + columnOffset[x];  // blue, green, red
                out[x] = 0xFF000000u | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
            }
        }
    };

    // Reading the source rows is bound by memory latency, which the other cores hide well.
    // The pool's threads outlive the call, so small pictures pay no thread start; when the pool
    // has no thread free (a caller inside it), the calling thread does the rows itself.
    const int rows = visible.height();
    const std::int64_t area = std::int64_t{rows} * visible.width();
    const int workers = static_cast<int>(std::clamp<std::int64_t>(
        std::min<std::int64_t>(threads, area / kPixelsPerWorker), 1,
        kMaxWorkers));
    std::latch done(workers - 1);
    for (int w = 1; w < workers; ++w) {
        int first = visible.top() + rows * w / workers;
        int end = visible.top() + rows * (w + 1) / workers;
        std::function<void()> task = [&drawRows, &done, first, end] {
            drawRows(first, end);
            done.count_down();
        };
        if (!QThreadPool::globalInstance()->tryStart(task)) task();
    }
    drawRows(visible.top(), visible.top() + rows / workers);
    done.wait();
}

}  // namespace

bool PictureStretch::Supports(const QImage& target) {
    return target.format() == QImage::Format_RGB32 || target.format() == QImage::Format_ARGB32;
}

void PictureStretch::Draw(QImage& target, const document::Picture& picture, const QRect& dest,
                          const EllipseSpans& kept, int threads) {
    QRect visible = dest.intersected(target.rect());
    visible.setTop(std::max(visible.top(), kept.FirstRow()));
    visible.setBottom(std::min(visible.bottom(), kept.EndRow() - 1));
    Stretch(target, picture, dest, visible, threads, [&kept](int y) { return kept.Row(y); });
}

void PictureStretch::DrawWhole(QImage& target, const document::Picture& picture, const QRect& dest, int threads) {
    const QRect visible = dest.intersected(target.rect());
    Stretch(target, picture, dest, visible, threads,
            [&visible](int) { return Span{visible.left(), visible.right() + 1}; });
}

}  // namespace quillora::canvas
