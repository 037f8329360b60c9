#pragma once
// The print job of the program: the print dialog, the notice while printing, the question when
// the label may not fit, and the page.
#include <optional>

#include "sheets/LabelSheets.h"
#include "workspace/Workspace.h"

class QWidget;

namespace quillora::print {

class PrinterSelection;

// The fit warning, owned by the frame.
workspace::Message FitWarning(QWidget* frame);

// Prints the open label on the medium the settings choose, moved by the printer's calibration,
// on the selection's printer; `owner` owns the print dialog (the frame,
// or the print settings dialog). Cancel in the dialog, No to the fit warning and a refusing
// print system all end it quietly.
void PrintLabel(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner);

// Prints the calibration page for the sheet (or the paper at the document's margins) on the
// selection's printer, after the print dialog.
void PrintCalibration(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner,
                      const std::optional<sheets::LabelSheet>& sheet);

}  // namespace quillora::print
