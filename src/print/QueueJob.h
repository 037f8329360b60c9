#pragma once
// A PDF file the program wrote, sent to a printer's queue as one job.
#include <QString>
#include <string>
#include <utility>
#include <vector>

class QPrinter;

namespace quillora::print {

struct PrintResult;

using JobOptions = std::vector<std::pair<std::string, std::string>>;

// What Qt's own print engine tells the print system for the printer's settings: the paper,
// copies and collation, the sides, the orientation and the print dialog's other choices.
JobOptions PrinterJobOptions(const QPrinter& printer);

// Sends the file to the printer's queue (its name without an instance) titled with the
// printer's document name. The caller asks first whether the queue takes jobs (QueueRefusal).
PrintResult SendToQueue(const QPrinter& printer, const QString& pdfPath, const JobOptions& options);

}  // namespace quillora::print
