#pragma once
// The view's pictures kept stretched to their place at the view's size: a re-render copies the
// kept pixels instead of sampling a picture of many megapixels again. An entry lives while a
// render draws its picture at the same place and size relative to the disc, so it goes when
// the layer is hidden, moved or resized, its picture replaced, or the zoom changes.
#include <QImage>
#include <QRect>
#include <map>
#include <memory>
#include <tuple>

#include "EllipseSpans.h"
#include "document/LabelDocument.h"

namespace quillora::canvas {

class ScaledPictures {
public:
    // A render of `doc` starts: its pictures may be kept (the document must outlive the render).
    void Begin(const document::LabelDocument& doc);
    // The render is over: what it did not draw is dropped.
    void End();
    void Clear();
    // What is kept of `picture` stays through this render, though it is not drawn.
    void Retain(const document::Picture* picture);

    // Draws `picture` stretched into `dest` of `target`, cut to the rows and spans of `kept` (the
    // disc, whose square is `disc`), from the kept pixels. False when it cannot be kept (not one of
    // the document's pictures, or over the memory budget): the caller draws it itself.
    bool Draw(QImage& target, const document::Picture& picture, const QRect& dest, const QRect& disc,
              const EllipseSpans& kept);

private:
    // The picture, its place relative to the disc's corner, and the disc's size.
    using Key = std::tuple<const document::Picture*, int, int, int, int, int, int>;
    struct Entry {
        std::shared_ptr<const document::Picture> owner;  // keeps the key's address from being reused
        QRect area;                                       // relative to the disc's corner
        QImage pixels;
        bool used = true;
    };
    const Entry* Find(const document::Picture& picture, const QRect& dest, const QRect& disc);

    const document::LabelDocument* doc_ = nullptr;
    std::map<Key, Entry> entries_;
    qsizetype pixelCount_ = 0;
};

}  // namespace quillora::canvas
