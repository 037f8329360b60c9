#pragma once
// What the layer dialogs are built from alike: the position range, number rows, the separator
// and the bottom row of OK, ｷｬﾝｾﾙ and, in the settings variant, Apply.
#include <QString>
#include <initializer_list>

class QBoxLayout;
class QDialog;
class QFrame;
class QGridLayout;
class QPushButton;
class QWidget;

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

// A button of the dialog with its control id.
QPushButton* MakeButton(QWidget& parent, const QString& text, int id);

// OK (the default button) accepting and ｷｬﾝｾﾙ rejecting the dialog, not yet laid out.
DialogButtons MakeOkCancel(QDialog& dialog);

// The buttons one under the other at the top of a column, as dialogs with a button column
// have them.
QBoxLayout* ButtonColumn(std::initializer_list<QPushButton*> buttons);

// The buttons side by side at the right of a row, as dialogs with the buttons at the bottom
// have them.
QBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

// OK accepts and ｷｬﾝｾﾙ rejects the dialog; Apply, when `applyText` is not empty, starts disabled
// and is left to the caller to connect.
DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const QString& applyText, int applyId);

QFrame* MakeSeparator(QDialog& dialog);

}  // namespace quillora::widgets
