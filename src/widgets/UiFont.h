#pragma once
// The interface font of the floating windows.
#include <QFont>

namespace quillora::widgets {

// "ＭＳ Ｐゴシック" with a 12-pixel character cell.
QFont UiFont();

}  // namespace quillora::widgets
