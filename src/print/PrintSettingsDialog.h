#pragma once
// Print settings: the margins and the crop-mark switch of the label, and the place from which
// the user prints, previews or sets up the printer.
#include <QDialog>

#include "ui/Workspace.h"

class QCheckBox;

namespace quillora::ui {
class NumberField;
}

namespace quillora::print {

class PrinterSelection;

class PrintSettingsDialog : public QDialog {
    Q_OBJECT
public:
    PrintSettingsDialog(ui::Workspace& ws, PrinterSelection& selection, QWidget* parent);

    // OK stores the three fields and closes.
    void accept() override;

private:
    // Margins as typed (signed) and the check box into the document header.
    void Store();

    ui::Workspace& ws_;
    PrinterSelection& selection_;
    ui::NumberField* top_;
    ui::NumberField* left_;
    QCheckBox* cropMarks_;
};

// Runs the dialog modal to the frame; Cancel keeps what a print or preview from it stored.
// Returns QDialog::Accepted or Rejected.
int ShowPrintSettings(ui::Workspace& ws, PrinterSelection& selection);

}  // namespace quillora::print
