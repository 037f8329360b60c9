#include "SheetOptions.h"

#include <iostream>

#include "CommandTable.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsFile.h"
#include "sheets/SheetPositions.h"

namespace qlrtool {

bool TakeSheetOptions(std::vector<std::string>& args, SheetRequest& request) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--tray") {
            if (request.tray) return false;
            request.tray = true;
            continue;
        }
        std::optional<std::string>* slot = args[i] == "--sheet"      ? &request.sheet
                                           : args[i] == "--position" ? &request.position
                                           : args[i] == "--offset"   ? &request.offset
                                                                     : nullptr;
        if (!slot) {
            rest.push_back(args[i]);
            continue;
        }
        if (*slot || i + 1 >= args.size()) return false;
        *slot = args[++i];
    }
    args = std::move(rest);
    return (request.sheet || !request.position) && !(request.sheet && request.tray);
}

std::optional<quillora::settings::PrinterOffset> ResolveOffset(const SheetRequest& request, int& exitCode) {
    const auto offset = quillora::settings::ParsePrinterOffset(request.offset.value_or("0,0"));
    if (!offset) {
        std::cerr << "print: the offset is X,Y in millimetres, each within -10 and 10\n";
        exitCode = kExitUsage;
    }
    return offset;
}

std::optional<quillora::print::SheetJob> ResolveSheet(const SheetRequest& request, int& exitCode) {
    const std::string programDir = quillora::settings::ProgramDirectory();
    const auto table =
        quillora::sheets::LoadLabelSheets(programDir, quillora::settings::SettingsDirectory(programDir));
    const quillora::sheets::LabelSheet* sheet = quillora::sheets::FindSheet(table, *request.sheet);
    if (!sheet) {
        std::cerr << "print: no label sheet named \"" << *request.sheet << "\" (qlrtool sheets lists them)\n";
        exitCode = kExitFile;
        return std::nullopt;
    }
    const auto positions = quillora::sheets::ParsePositions(request.position.value_or("1"), int(sheet->centres.size()));
    if (!positions) {
        std::cerr << "print: the sheet has positions 1 to " << sheet->centres.size() << " (e.g. 2, 1,3-4 or all)\n";
        exitCode = kExitUsage;
        return std::nullopt;
    }
    return quillora::print::SheetJob{*sheet, *positions, {}};
}

}  // namespace qlrtool
