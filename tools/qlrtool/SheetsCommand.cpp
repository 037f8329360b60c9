// qlrtool sheets [SETTINGSDIR]: the label sheets the program knows, one per line.
#include <cstdio>
#include <iostream>

#include "CommandTable.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsFile.h"
#include "sheets/LabelSheets.h"

namespace qlrtool {
namespace {

constexpr char kUsage[] = "sheets [SETTINGSDIR]";

int Sheets(const std::vector<std::string>& args) {
    if (args.size() > 1) return UsageError(kUsage);
    const std::string programDir = quillora::settings::ProgramDirectory();
    const std::string settingsDir = args.empty() ? quillora::settings::SettingsDirectory(programDir) : args[0];
    const quillora::sheets::SheetTable table = quillora::sheets::LoadLabelSheets(programDir, settingsDir);
    for (const auto& problem : table.problems) {
        std::cerr << "sheets: " << problem.file;
        if (problem.line > 0) std::cerr << ":" << problem.line;
        std::cerr << ": " << problem.message << "\n";
    }
    for (const auto& sheet : table.sheets) {
        std::printf("%s\t%s\t%gx%g mm\tdisc %g/%g mm\t%zu\n", sheet.name.c_str(), sheet.paperName.c_str(), sheet.paperWidthMm,
                    sheet.paperHeightMm, sheet.outerMm, sheet.holeMm, sheet.centres.size());
    }
    return table.sheets.empty() ? kExitFile : kExitOk;
}

const Command kSheets("sheets", kUsage, Sheets);

}  // namespace
}  // namespace qlrtool
