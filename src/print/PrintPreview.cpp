#include "print/PrintPreview.h"

#include "print/PaperCodes.h"
#include "print/PaperSizeDialog.h"
#include "print/PrintPreviewDialog.h"

namespace quillora::print {

void ShowPrintPreview(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner) {
    PaperSize paper = PreviewPaperSize(PrinterPaperOf(selection));
    if (paper.width != 0 && paper.height != 0) {
        ws.doc.header.previewPaperWidth = paper.width;
        ws.doc.header.previewPaperHeight = paper.height;
    } else {
        ws.interaction.Beep();
        const std::optional<PaperSize> asked = AskPaperSize(ws, owner);
        if (!asked) return;
        paper = *asked;
    }
    PrintPreviewDialog preview(paper, ws.doc, owner);
    ws.interaction.RunDialog(preview);
}

}  // namespace quillora::print
