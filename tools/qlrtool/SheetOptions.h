#pragma once
// qlrtool print's medium options: [--sheet NAME [--position LIST|all] | --tray] [--offset X,Y].
#include <optional>
#include <string>
#include <vector>

#include "print/SheetPrint.h"

namespace qlrtool {

struct SheetRequest {
    std::optional<std::string> sheet;
    std::optional<std::string> position;
    std::optional<std::string> offset;
    bool tray = false;
};

// Takes the options and their values out of `args`; false when one lacks its value or comes
// twice, a position comes without a sheet, or a sheet with the tray.
bool TakeSheetOptions(std::vector<std::string>& args, SheetRequest& request);

// The offset the request names (none: 0,0), or nothing after a message on stderr with
// `exitCode` set to 1.
std::optional<quillora::settings::PrinterOffset> ResolveOffset(const SheetRequest& request, int& exitCode);

// The job the request names, or nothing after a message on stderr with `exitCode` set: 2 for a
// sheet the table lacks, 1 for a position or offset out of range.
std::optional<quillora::print::SheetJob> ResolveSheet(const SheetRequest& request, int& exitCode);

}  // namespace qlrtool
