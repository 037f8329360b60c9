#pragma once
// The print job of the program: the print dialog, the notice while printing, the question when
// the label may not fit, and the page.
#include "workspace/Workspace.h"

class QWidget;

namespace quillora::print {

class PrinterSelection;

// The fit warning, owned by the frame.
workspace::Message FitWarning(QWidget* frame);

// Prints the open label on the selection's printer; `owner` owns the print dialog (the frame,
// or the print settings dialog). Cancel in the dialog, No to the fit warning and a refusing
// print system all end it quietly.
void PrintLabel(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner);

}  // namespace quillora::print
