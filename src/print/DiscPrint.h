#pragma once
// A label printed straight onto a printable disc in a printer's disc tray: one page of the
// disc's size with the label's square centred on it, sent with the driver's disc options.
#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "print/DiscTray.h"
#include "print/PrintDocument.h"
#include "settings/PrintMedium.h"

namespace quillora::print {

struct DiscPlan {
    double pageMm = 0;  // the page: the disc's square
    std::vector<std::pair<std::string, std::string>> options;
    settings::PrinterOffset withinPage;  // what the driver's own adjustment does not take
};

struct DiscPlanResult {
    std::optional<DiscPlan> plan;
    QString problem;  // the label does not fit the tray
};

// The page and options for a label of `outerMm` / `innerMm` on the tray, moved by `offset`:
// the 12 cm disc's page for labels of 116 to 120 mm, else a disc of the label's size.
DiscPlanResult PlanDiscJob(const DiscTray& tray, int outerMm, int innerMm, settings::PrinterOffset offset);

// The page of a disc as a file shows it, without a tray: no options.
DiscPlan FileDiscPlan(int outerMm, settings::PrinterOffset offset);

// Prints the page on the printer: to a queue as a PDF the program writes, sent with the plan's
// options; to a file as that PDF.
PrintResult PrintOnDisc(QPrinter& printer, const document::LabelDocument& doc, const DiscPlan& plan);

}  // namespace quillora::print
