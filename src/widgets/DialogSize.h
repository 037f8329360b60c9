#pragma once
// Dialogs sized like a desktop program's: their template's size in dialog units of the interface
// font, grown only where the contents need more, fixed, with no maximise or minimise box.
#include <QSize>

class QDialog;
class QFont;

namespace quillora::widgets {

// The pixels of 4 horizontal and 8 vertical dialog units in `font`: the average width of the 52
// Latin letters (rounded as the classic dialog manager rounds it) and the cell height.
QSize DialogBaseUnits(const QFont& font);

// A template size in dialog units, in pixels of `font`.
QSize DialogUnitsToPixels(const QFont& font, int widthDu, int heightDu);

// Puts the dialog in the interface font and fixes its size: the template's size, or the contents'
// minimum where that is larger. The caption keeps only its close box.
void FixDialogSize(QDialog& dialog, int widthDu, int heightDu);

}  // namespace quillora::widgets
