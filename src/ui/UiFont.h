#pragma once
// The interface font of the floating windows, and the substitutions that map the Windows font
// names documents and dialogs use onto the IPA fonts with the same metrics.
#include <QFont>

namespace quillora::ui {

// Idempotent; done before any of those names is used.
void RegisterFontSubstitutions();

// "ＭＳ Ｐゴシック" with a 12-pixel character cell.
QFont UiFont();

}  // namespace quillora::ui
