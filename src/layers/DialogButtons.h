#pragma once
// The bottom of the layer dialogs: a separator and OK, ｷｬﾝｾﾙ and, in the settings variant, Apply.
#include <QString>

class QBoxLayout;
class QDialog;
class QFrame;
class QPushButton;

namespace quillora::layers {

struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* apply = nullptr;  // null without Apply
};

// OK accepts and ｷｬﾝｾﾙ rejects the dialog; Apply, when `applyText` is not empty, starts disabled
// and is left to the caller to connect.
DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const QString& applyText, int applyId);

QFrame* MakeSeparator(QDialog& dialog);

}  // namespace quillora::layers
