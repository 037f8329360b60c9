#pragma once
// The interface font of the floating windows and the dialogs.
#include <QFont>

namespace quillora::widgets {

// "ＭＳ Ｐゴシック" with a 12-pixel character cell (9 points at 96 dpi): the floating windows' and the
// dialogs' font.
QFont UiFont();

}  // namespace quillora::widgets
