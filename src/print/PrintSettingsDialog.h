#pragma once
// Print settings: the margins and the crop-mark switch of the label, and the place from which
// the user prints, previews or sets up the printer.
#include <QDialog>

#include "workspace/Workspace.h"

class QCheckBox;

namespace quillora::widgets {
class NumberField;
}

namespace quillora::print {

class PrinterSelection;

class PrintSettingsDialog : public QDialog {
    Q_OBJECT
public:
    PrintSettingsDialog(workspace::Workspace& ws, PrinterSelection& selection, QWidget* parent);

    // OK stores the three fields and closes.
    void accept() override;

private:
    // Margins as typed (signed) and the check box into the document header.
    void Store();

    workspace::Workspace& ws_;
    PrinterSelection& selection_;
    widgets::NumberField* top_;
    widgets::NumberField* left_;
    QCheckBox* cropMarks_;
};

// Runs the dialog modal to the frame; Cancel keeps what a print or preview from it stored.
// Returns QDialog::Accepted or Rejected.
int ShowPrintSettings(workspace::Workspace& ws, PrinterSelection& selection);

}  // namespace quillora::print
