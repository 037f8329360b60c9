#pragma once
// What the layer dialogs are built from alike: the position range, number rows, the separator
// and the bottom row of OK, ｷｬﾝｾﾙ and, in the settings variant, Apply.
#include <QString>

class QBoxLayout;
class QDialog;
class QFrame;
class QGridLayout;
class QPushButton;

namespace quillora::widgets {
class NumberField;
}

namespace quillora::widgets {

// Positions (and the picture size) are entered in millimetres within ±500.
inline constexpr int kPositionLimit = 500;

// A number field in `grid` with its label before it (the label's buddy) and its unit after it.
void AddNumberRow(QGridLayout& grid, int row, int column, const QString& label, widgets::NumberField* field,
                  const QString& unit);

struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* apply = nullptr;  // null without Apply
};

// OK accepts and ｷｬﾝｾﾙ rejects the dialog; Apply, when `applyText` is not empty, starts disabled
// and is left to the caller to connect.
DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const QString& applyText, int applyId);

QFrame* MakeSeparator(QDialog& dialog);

}  // namespace quillora::widgets
