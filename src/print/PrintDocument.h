#pragma once
// One label on one page of a printer, without asking anybody: the part of the print job that
// scripts share with the program.
#include <QString>
#include <QtGlobal>
#include <functional>

#include "document/LabelDocument.h"
#include "print/PrintGeometry.h"
#include "print/PrintablePage.h"
#include "print/QueueJob.h"
#include "settings/PrintMedium.h"

class QPageSize;
class QPainter;
class QPrinter;

namespace quillora::print {

class PdfPage;

enum class PrintOutcome {
    Printed,
    SpoolerFailed,   // the printer or the print system refused the job; nothing printed
    FileNotWritten,  // printing to a file: it could not be written; any earlier file is kept
    OutputIsLabel,   // printing to a file: it is the label being printed, which is kept
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Printed;
    QString reason;  // the print system's words for a refusal, when it gave any
};

// Rows of the label rendered at a time, by each thread: a 300 mm label at 1200 dpi would need
// 800 MB at once.
constexpr qsizetype kBandBytes = qsizetype{64} << 20;

// True when the label's square may reach beyond the printer's printable area.
bool LabelMayNotFit(const QPrinter& printer, const document::LabelDocument& doc);

// Paints one page of the printer's paper with `paint`, handed the label's place on it: at the
// document's margins from the printable corner, moved by the calibration.
bool PaintPaperPage(QPrinter& printer, const document::LabelDocument& doc, settings::PrinterOffset offset,
                    const std::function<void(QPainter&, const PrintGeometry&)>& paint);

// Prints the document on exactly one page; copies are the printer's business. A file output is
// written beside its name and renamed over it only when complete.
PrintResult PrintDocument(QPrinter& printer, const document::LabelDocument& doc, settings::PrinterOffset offset = {});

// Runs `job` with the printer set to one portrait page of `paper` from the paper's corner, and
// puts the printer's paper and full-page mode back afterwards.
PrintResult WithPaper(QPrinter& printer, const QPageSize& paper, const std::function<PrintResult()>& job);

// One portrait page of `paper` painted by `paint` from the paper's corner, whatever the printer
// cannot reach, and sent as DeliverJob does; the printer's paper and full-page mode as before
// afterwards.
PrintResult DeliverPage(QPrinter& printer, const document::LabelDocument& doc, const QPageSize& paper,
                        const std::function<void(QPainter&)>& paint);

// Sends the page `makePage` draws as the job for `doc`, the way DeliverJob does; a queue gets
// `options`. A queue's refusal, or a file output naming the label itself, is told before the page
// is drawn.
PrintResult DeliverPdf(const QPrinter& printer, const document::LabelDocument& doc,
                       const std::function<PdfPage()>& makePage, const JobOptions& options);

// Sends what `paint` puts on the printer as the job for `doc`, the way PrintDocument does: a
// queue's refusal, and a file output beside its name, renamed only when complete.
PrintResult DeliverJob(QPrinter& printer, const document::LabelDocument& doc, const std::function<bool()>& paint);

}  // namespace quillora::print
