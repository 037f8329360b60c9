#include "print/PrintLabel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QWindow>

#include "print/PrintDocument.h"
#include "print/PrinterSelection.h"
#include "windows/NoticeWindow.h"

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

// The wait cursor for the length of the job.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

workspace::Message FitWarning(QWidget* frame) {
    workspace::Message m;
    m.owner = frame;
    m.text = QString::fromUtf8("全体を印刷できない可能性があります。印刷を続行してもよろしいですか？");
    m.caption = QString::fromUtf8("警告");
    m.icon = workspace::MessageIcon::Exclamation;
    m.buttons = workspace::MessageButtons::YesNo;
    m.defaultButton = workspace::Answer::Yes;
    return m;
}

void PrintLabel(workspace::Workspace& ws, PrinterSelection& selection, QWidget* owner) {
    QPrinter& printer = selection.Printer();
    if (!ws.interaction.RunPrintDialog(printer, owner)) return;
    windows::NoticeWindow notice(QString::fromUtf8("印刷中....."));
    ShowPainted(notice);
    const document::DocHeader& header = ws.doc.header;
    if (MayNotFit(PrintableAreaOf(printer), header.marginLeft, header.marginTop, ws.doc.SafeOuterMm()) &&
        ws.interaction.ShowMessage(FitWarning(ws.frame)) != workspace::Answer::Yes) {
        return;
    }
    // The question is answered before the wait begins; a refused job prints nothing and says
    // nothing.
    WaitCursor wait;
    PrintDocument(printer, ws.doc, [] { return true; });
}

}  // namespace quillora::print
