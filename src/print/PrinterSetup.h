#pragma once
// Printer setup: the paper and orientation of the selected printer, kept for the program run.
#include "workspace/Workspace.h"

class QWidget;

namespace quillora::print {

class PrinterSelection;

// `owner` is the frame or the print settings dialog.
void PrinterSetup(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner);

}  // namespace quillora::print
