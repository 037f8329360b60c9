#include "print/PrintPreview.h"

#include "print/MediumChoice.h"
#include "print/PaperCodes.h"
#include "print/PaperSizeDialog.h"
#include "print/PreviewPage.h"
#include "print/PrintPreviewDialog.h"
#include "print/PrinterSelection.h"

namespace quillora::print {

void ShowPrintPreview(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner) {
    std::optional<MediumChoice> medium = MediumForJob(ws);
    if (!medium) return;
    const settings::PrinterOffset offset = OffsetOf(ws.settings.printerOffsets, selection.Printer());
    if (medium->disc) {
        const DiscPlan plan = FileDiscPlan(ws.doc.SafeOuterMm(), offset);
        PrintPreviewDialog preview(DiscPreviewPage(plan.pageMm, ws.doc, offset), QString::fromUtf8("ﾃﾞｨｽｸ"), offset, owner);
        ws.interaction.RunDialog(preview);
        return;
    }
    if (medium->sheetJob) {
        medium->sheetJob->offset = offset;
        PrintPreviewDialog preview(SheetPreviewPage(*medium->sheetJob, ws.doc),
                                   QString::fromStdString(medium->sheetJob->sheet.name), offset, owner);
        ws.interaction.RunDialog(preview);
        return;
    }
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
    PrintPreviewDialog preview(PreviewPage(paper, ws.doc, offset), QString(), offset, owner);
    ws.interaction.RunDialog(preview);
}

}  // namespace quillora::print
