#pragma once
// The interface font of the floating windows, and the substitutions that map the Windows font
// names documents and dialogs use onto the IPA fonts with the same metrics.
#include <QFont>

namespace quillora::ui {

// Idempotent; done before any of those names is used.
void RegisterFontSubstitutions();

// 12-pixel "ＭＳ Ｐゴシック".
QFont UiFont();

}  // namespace quillora::ui
