#include "ScaledPictures.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "PictureStretch.h"
#include "RenderThreads.h"

namespace quillora::canvas {

namespace {

// 32 MB of kept pixels: the heavy label's sixteen pictures up to about 200%; beyond that the
// pictures that do not fit are sampled on every render as before.
constexpr qsizetype kPixelBudget = 8 * 1024 * 1024;

}  // namespace

void ScaledPictures::Begin(const document::LabelDocument& doc) { doc_ = &doc; }

void ScaledPictures::End() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->second.used) {
            it->second.used = false;
            ++it;
            continue;
        }
        pixelCount_ -= it->second.pixels.width() * qsizetype{it->second.pixels.height()};
        it = entries_.erase(it);
    }
    doc_ = nullptr;
}

void ScaledPictures::Clear() {
    entries_.clear();
    pixelCount_ = 0;
    doc_ = nullptr;
}

void ScaledPictures::Retain(const document::Picture* picture) {
    if (picture == nullptr) return;
    for (auto it = entries_.lower_bound(Key{picture, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN});
         it != entries_.end() && std::get<0>(it->first) == picture; ++it)
        it->second.used = true;
}

const ScaledPictures::Entry* ScaledPictures::Find(const document::Picture& picture, const QRect& dest,
                                                  const QRect& disc) {
    const Key key{&picture, dest.left() - disc.left(), dest.top() - disc.top(), dest.width(), dest.height(),
                  disc.width(), disc.height()};
    if (auto it = entries_.find(key); it != entries_.end()) {
        it->second.used = true;
        return &it->second;
    }
    if (doc_ == nullptr) return nullptr;
    const auto owner = std::find_if(doc_->pictures.begin(), doc_->pictures.end(),
                                    [&](const auto& held) { return held.get() == &picture; });
    // Only what lies on the disc is ever copied out.
    const QRect area = dest.intersected(disc);
    const qsizetype count = area.width() * qsizetype{area.height()};
    if (owner == doc_->pictures.end() || pixelCount_ + count > kPixelBudget) return nullptr;
    QImage pixels(area.size(), QImage::Format_RGB32);
    if (pixels.isNull()) return nullptr;
    PictureStretch::DrawWhole(pixels, picture, dest.translated(-area.topLeft()), RenderThreads());
    pixelCount_ += count;
    return &entries_.emplace(key, Entry{*owner, area.translated(-disc.topLeft()), std::move(pixels)}).first->second;
}

bool ScaledPictures::Draw(QImage& target, const document::Picture& picture, const QRect& dest, const QRect& disc,
                          const EllipseSpans& kept) {
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32) return false;
    const Entry* entry = Find(picture, dest, disc);
    if (entry == nullptr) return false;
    const QRect area = entry->area.translated(disc.topLeft());
    const int first = std::max({area.top(), kept.FirstRow(), 0});
    const int end = std::min({area.bottom() + 1, kept.EndRow(), target.height()});
    for (int y = first; y < end; ++y) {
        const Span span = kept.Row(y);
        const int left = std::max({span.left, area.left(), 0});
        const int right = std::min({span.right, area.right() + 1, target.width()});
        if (left >= right) continue;
        const auto* from = reinterpret_cast<const QRgb*>(entry->pixels.constScanLine(y - area.top())) +
                           (left - area.left());
        std::memcpy(reinterpret_cast<QRgb*>(target.scanLine(y)) + left, from,
                    sizeof(QRgb) * static_cast<std::size_t>(right - left));
    }
    return true;
}

}  // namespace quillora::canvas
