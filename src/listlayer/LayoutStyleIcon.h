#pragma once
// The small picture heading each layout style on the layout page: a disc with its lines of text
// placed the way the style places them.
#include <QPixmap>

#include "document/ListLayoutStyle.h"

namespace quillora::listlayer {

QPixmap LayoutStyleIcon(document::ListLayoutStyle style);

}  // namespace quillora::listlayer
