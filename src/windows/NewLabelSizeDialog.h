#pragma once
// Asks for the outer and inner diameter of the next new label.
#include <QDialog>

#include "workspace/Workspace.h"

namespace quillora::widgets {
class NumberField;
}

namespace quillora::windows {

// The dialog's diameter fields by their ids, for the dialog and its tests alike.
namespace new_label_id {
inline constexpr int kOuter = 1010, kInner = 1011;
}  // namespace new_label_id

class NewLabelSizeDialog : public QDialog {
    Q_OBJECT
public:
    NewLabelSizeDialog(document::DocHeader& header, QWidget* parent);

    // OK: both fields read as unsigned numbers, kept within 1..300, stored in the header.
    void accept() override;

private:
    document::DocHeader& header_;
    widgets::NumberField* outer_;
    widgets::NumberField* inner_;
};

// Whole millimetres of a label diameter: 0 (or not a number) becomes 1, above 300 becomes 300.
int LimitDiameter(int typed);

// Runs the dialog; true when the user confirmed a size, which the document header then holds.
bool AskNewLabelSize(workspace::Workspace& ws);

}  // namespace quillora::windows
