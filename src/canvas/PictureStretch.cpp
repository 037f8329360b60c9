#include "PictureStretch.h"

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

namespace quillora::canvas {

namespace {

// The source index sampled by destination index d of n: floor((d + 0.5) x size / n).
constexpr int kMaxWorkers = 4;
// Below this many pixels a thread costs more than it saves.
constexpr std::int64_t kPixelsPerWorker = 32 * 1024;

int Sample(std::int64_t d, std::int64_t n, std::int64_t size) { return static_cast<int>((2 * d + 1) * size / (2 * n)); }

}  // namespace

bool PictureStretch::Supports(const QImage& target) {
    return target.format() == QImage::Format_RGB32 || target.format() == QImage::Format_ARGB32;
}

void PictureStretch::Draw(QImage& target, const document::Picture& picture, const QRect& dest) {
    QRect visible = dest.intersected(target.rect());
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
            const std::uint8_t* source = picture.topRow(row);
            auto* out = reinterpret_cast<QRgb*>(pixels + bytesPerLine * y) + visible.left();
            for (int offset : columnOffset) {
                const std::uint8_t* p = source + offset;  // blue, green, red
                *out++ = 0xFF000000u | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
            }
        }
    };

    // Reading the source rows is bound by memory latency, which a second core hides well.
    const int rows = visible.height();
    const int workers = std::clamp(std::min(static_cast<int>(std::thread::hardware_concurrency()), kMaxWorkers), 1,
                                   std::max(1, static_cast<int>(std::int64_t{rows} * visible.width() / kPixelsPerWorker)));
    std::vector<std::thread> helpers;
    for (int w = 1; w < workers; ++w)
        helpers.emplace_back(drawRows, visible.top() + rows * w / workers, visible.top() + rows * (w + 1) / workers);
    drawRows(visible.top(), visible.top() + rows / workers);
    for (auto& t : helpers) t.join();
}

}  // namespace quillora::canvas
