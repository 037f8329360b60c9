#pragma once
// The small picture heading each layout style on the layout page: a disc with its lines of text
// placed the way the style places them.
#include <QPixmap>

namespace quillora::listlayer {

QPixmap LayoutStyleIcon(int style);

}  // namespace quillora::listlayer
