#pragma once
// What the label prints on and where each printer is corrected: the paper at the print settings'
// margins or positions of a label sheet, the selected printer's calibration offset, and the
// calibration page to read that offset from. Program settings, kept in quillora.ini.
#include <QDialog>

#include "sheets/LabelSheets.h"
#include "workspace/Workspace.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillora::print {

class PrinterSelection;

class MediumDialog : public QDialog {
    Q_OBJECT
public:
    MediumDialog(workspace::Workspace& ws, PrinterSelection& selection, sheets::SheetTable table, QWidget* parent);

    // OK stores the choice and the offset, unless the positions name none of the sheet's.
    void accept() override;

private:
    const sheets::LabelSheet* ChosenSheet() const;
    void ShowSheet();
    // The positions' problem, or an empty text.
    QString PositionsProblem() const;

    workspace::Workspace& ws_;
    PrinterSelection& selection_;
    sheets::SheetTable table_;
    QRadioButton* paper_;
    QRadioButton* sheet_;
    QRadioButton* disc_;
    QComboBox* sheetList_;
    QLabel* details_;
    QLineEdit* positions_;
    QDoubleSpinBox* offsetX_;
    QDoubleSpinBox* offsetY_;
};

// Loads the sheet tables, tells of a malformed one, and runs the dialog modal to the frame.
void ShowMediumDialog(workspace::Workspace& ws, PrinterSelection& selection);

}  // namespace quillora::print
