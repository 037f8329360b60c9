#pragma once
// qlrtool print's label-sheet options: --sheet NAME [--position N|all] [--offset X,Y].
#include <optional>
#include <string>
#include <vector>

#include "print/SheetPrint.h"

namespace qlrtool {

struct SheetRequest {
    std::optional<std::string> sheet;
    std::optional<std::string> position;
    std::optional<std::string> offset;
};

// Takes the three options and their values out of `args`; false when one lacks its value or
// comes twice, or a position or offset comes without a sheet.
bool TakeSheetOptions(std::vector<std::string>& args, SheetRequest& request);

// The job the request names, or nothing after a message on stderr with `exitCode` set: 2 for a
// sheet the table lacks, 1 for a position or offset out of range.
std::optional<quillora::print::SheetJob> ResolveSheet(const SheetRequest& request, int& exitCode);

}  // namespace qlrtool
