#pragma once
// What the settings say the next print goes on, resolved for one job: the paper at the
// document's margins or the chosen positions of a label sheet, moved by the printer's calibration.
#include <QString>
#include <optional>

#include "print/DiscPrint.h"
#include "print/SheetPrint.h"
#include "settings/AppSettings.h"
#include "workspace/Workspace.h"

class QPrinter;

namespace quillora::print {

struct MediumChoice {
    std::optional<SheetJob> sheetJob;  // none: the paper or a disc
    QString problem;                   // the settings name a sheet or positions the table lacks
    bool disc = false;                 // a printable disc in the printer's tray
};

// The job's sheet and positions; its offset is the printer's, set with OffsetOf.
MediumChoice ChooseMedium(const settings::MediumSettings& medium, const sheets::SheetTable& table);

// The page and options for the disc on the printer after its dialog: a queue's tray or a file;
// nothing after telling the user that the queue has no tray or the label does not fit it.
std::optional<DiscPlan> DiscPlanFor(workspace::Workspace& ws, const QPrinter& printer);

// The choice for a job from the shipped and the user's sheets; nothing after telling the user of
// its problem.
std::optional<MediumChoice> MediumForJob(workspace::Workspace& ws);

// The calibration stored for the printer's queue; none for a file or an unknown queue.
settings::PrinterOffset OffsetOf(const settings::PrinterOffsets& offsets, const QPrinter& printer);

}  // namespace quillora::print
