#pragma once
// The small picture heading each layout style on the layout page: a disc with its lines of text
// placed the way the style places them.
#include <QPainter>
#include <QPixmap>

#include "document/ListLayoutStyle.h"

namespace quillora::listlayer {

// Its size in logical pixels.
inline constexpr int kLayoutStyleIconSize = 32;

// Draws the picture in logical pixels on a painter already set up for the target.
void PaintLayoutStyleIcon(QPainter& painter, document::ListLayoutStyle style);

// The picture drawn in the pixels of a screen with the given device pixel ratio: as sharp as the
// screen allows, and the same logical size on every screen.
QPixmap LayoutStyleIcon(document::ListLayoutStyle style, qreal ratio);

}  // namespace quillora::listlayer
