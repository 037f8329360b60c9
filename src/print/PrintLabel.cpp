#include "print/PrintLabel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPrinter>
#include <QWindow>

#include "print/CalibrationPage.h"
#include "print/MediumChoice.h"
#include "print/PrintDocument.h"
#include "print/PrinterSelection.h"
#include "widgets/WaitCursor.h"
#include "windows/NoticeWindow.h"
#include "workspace/Captions.h"

namespace quillora::print {
namespace {

// Under a window manager a new window is exposed some time after it is shown, and painting
// before that shows nothing; the job that follows blocks the event loop, so wait for it here.
constexpr int kExposeWaitMs = 500;

void ShowPainted(windows::NoticeWindow& notice) {
    notice.ShowNotice();
    const QDeadlineTimer deadline(kExposeWaitMs);
    while (notice.windowHandle() && !notice.windowHandle()->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
    notice.repaint();
}

// A warning asking Yes (the default) or No.
workspace::Message Question(QWidget* frame, const QString& text) {
    workspace::Message m = workspace::Warning(frame, text);
    m.buttons = workspace::MessageButtons::YesNo;
    m.defaultButton = workspace::Answer::Yes;
    return m;
}

workspace::Message DieCutWarning(QWidget* frame, const SheetJob& job, int outerMm) {
    return Question(frame, QString::fromUtf8("ﾗﾍﾞﾙの直径 (%1mm) がﾗﾍﾞﾙｼｰﾄ \"%2\" のﾀﾞｲｶｯﾄ (%3mm) と合いません。"
                                             "印刷を続行してもよろしいですか？")
                               .arg(outerMm)
                               .arg(QString::fromStdString(job.sheet.name))
                               .arg(job.sheet.outerMm));
}

// The job under the notice and the wait cursor, and what went wrong told afterwards.
void RunJob(workspace::Workspace& ws, const QPrinter& printer, const std::function<PrintResult()>& job) {
    PrintResult result;
    {
        // The notice and the wait come after any question, which they would otherwise cover.
        windows::NoticeWindow notice(QString::fromUtf8("印刷中....."));
        ShowPainted(notice);
        widgets::WaitCursor wait;
        result = job();
    }
    switch (result.outcome) {
    case PrintOutcome::Printed: break;
    case PrintOutcome::SpoolerFailed:
        // A refused job says nothing, as it always has; the reason goes to the log.
        qWarning("print: the job was refused: %s", qUtf8Printable(result.reason));
        break;
    case PrintOutcome::FileNotWritten:
    case PrintOutcome::OutputIsLabel:
        ws.interaction.ShowMessage(
            workspace::Warning(ws.frame, QString::fromUtf8(workspace::caption::kCannotWrite).arg(printer.outputFileName())));
        break;
    }
}

}  // namespace

workspace::Message FitWarning(QWidget* frame) {
    return Question(frame, QString::fromUtf8("全体を印刷できない可能性があります。印刷を続行してもよろしいですか？"));
}

void PrintLabel(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner) {
    QPrinter& printer = selection.Printer();
    std::optional<MediumChoice> medium = MediumForJob(ws);
    if (!medium) return;
    std::optional<SheetJob>& sheetJob = medium->sheetJob;
    // The dialog shows the paper the job will take.
    if (sheetJob) printer.setPageSize(SheetPaper(sheetJob->sheet));
    if (!ws.interaction.RunPrintDialog(printer, owner)) return;
    if (medium->disc) {
        const std::optional<DiscPlan> plan = DiscPlanFor(ws, printer);
        if (plan) RunJob(ws, printer, [&] { return PrintOnDisc(printer, ws.doc, *plan); });
        return;
    }
    const settings::PrinterOffset offset = OffsetOf(ws.settings.printerOffsets, printer);
    const bool mayMiss =
        sheetJob ? LabelMissesDieCut(*sheetJob, ws.doc.SafeOuterMm()) : LabelMayNotFit(printer, ws.doc);
    const workspace::Message question =
        sheetJob ? DieCutWarning(ws.frame, *sheetJob, ws.doc.SafeOuterMm()) : FitWarning(ws.frame);
    if (mayMiss && ws.interaction.ShowMessage(question) != workspace::Answer::Yes) return;
    RunJob(ws, printer, [&] {
        if (!sheetJob) return PrintDocument(printer, ws.doc, offset);
        sheetJob->offset = offset;
        return PrintOnSheet(printer, ws.doc, *sheetJob);
    });
}

void PrintCalibration(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner,
                      const std::optional<sheets::LabelSheet>& sheet) {
    QPrinter& printer = selection.Printer();
    if (sheet) printer.setPageSize(SheetPaper(*sheet));
    if (!ws.interaction.RunPrintDialog(printer, owner)) return;
    RunJob(ws, printer, [&] { return PrintCalibrationPage(printer, ws.doc, sheet); });
}

}  // namespace quillora::print
