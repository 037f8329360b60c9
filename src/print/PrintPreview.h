#pragma once
// The print preview command: the paper from the selected printer (or asked from the user),
// then the preview of the label's place on it.
#include "workspace/Workspace.h"

class QWidget;

namespace quillora::print {

class PrinterSelection;

// `owner` is the frame or the print settings dialog; it owns the paper size dialog and the
// preview.
void ShowPrintPreview(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner);

}  // namespace quillora::print
