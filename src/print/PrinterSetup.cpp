#include "print/PrinterSetup.h"

#include "print/PrinterSelection.h"

namespace quillora::print {

void PrinterSetup(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner) {
    // What the user confirms stays in the printer; nothing else follows from it.
    ws.interaction.RunPrinterSetup(selection.Printer(), owner);
}

}  // namespace quillora::print
