#include "print/PrintLabel.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPrinter>
#include <QWindow>

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

}  // namespace

workspace::Message FitWarning(QWidget* frame) {
    workspace::Message m =
        workspace::Warning(frame, QString::fromUtf8("全体を印刷できない可能性があります。印刷を続行してもよろしいですか？"));
    m.buttons = workspace::MessageButtons::YesNo;
    m.defaultButton = workspace::Answer::Yes;
    return m;
}

void PrintLabel(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner) {
    QPrinter& printer = selection.Printer();
    if (!ws.interaction.RunPrintDialog(printer, owner)) return;
    if (LabelMayNotFit(printer, ws.doc) && ws.interaction.ShowMessage(FitWarning(ws.frame)) != workspace::Answer::Yes) {
        return;
    }
    PrintResult result;
    {
        // The notice and the wait come after the question, which they would otherwise cover.
        windows::NoticeWindow notice(QString::fromUtf8("印刷中....."));
        ShowPainted(notice);
        widgets::WaitCursor wait;
        result = PrintDocument(printer, ws.doc);
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

}  // namespace quillora::print
