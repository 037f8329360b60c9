#include "SheetOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>

#include "CommandTable.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsFile.h"

namespace qlrtool {
namespace {

std::optional<double> Millimetres(std::string_view text) {
    double v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<std::vector<int>> Positions(const std::string& text, int count) {
    if (text == "all") {
        std::vector<int> all(count);
        for (int i = 0; i < count; ++i) all[i] = i;
        return all;
    }
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > count) return std::nullopt;
    return std::vector<int>{n - 1};
}

std::optional<quillora::print::PrintOffset> Offset(const std::string& text) {
    const auto comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto x = Millimetres(std::string_view(text).substr(0, comma));
    const auto y = Millimetres(std::string_view(text).substr(comma + 1));
    const auto inRange = [](double v) { return std::abs(v) <= quillora::print::kMaxOffsetMm; };
    if (!x || !y || !inRange(*x) || !inRange(*y)) return std::nullopt;
    return quillora::print::PrintOffset{*x, *y};
}

}  // namespace

bool TakeSheetOptions(std::vector<std::string>& args, SheetRequest& request) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
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
    return request.sheet || (!request.position && !request.offset);
}

std::optional<quillora::print::SheetJob> ResolveSheet(const SheetRequest& request, int& exitCode) {
    const std::string programDir = quillora::settings::ProgramDirectory();
    const auto table =
        quillora::sheets::LoadLabelSheets(programDir, quillora::settings::SettingsDirectory(programDir));
    quillora::print::SheetJob job;
    const auto found = std::find_if(table.sheets.begin(), table.sheets.end(),
                                    [&](const auto& sheet) { return sheet.name == *request.sheet; });
    if (found == table.sheets.end()) {
        std::cerr << "print: no label sheet named \"" << *request.sheet << "\" (qlrtool sheets lists them)\n";
        exitCode = kExitFile;
        return std::nullopt;
    }
    job.sheet = *found;
    const auto positions = Positions(request.position.value_or("1"), int(job.sheet.centres.size()));
    if (!positions) {
        std::cerr << "print: the sheet has positions 1 to " << job.sheet.centres.size() << ", or all\n";
        exitCode = kExitUsage;
        return std::nullopt;
    }
    job.positions = *positions;
    if (request.offset) {
        const auto offset = Offset(*request.offset);
        if (!offset) {
            std::cerr << "print: the offset is X,Y in millimetres, each within -10 and 10\n";
            exitCode = kExitUsage;
            return std::nullopt;
        }
        job.offset = *offset;
    }
    return job;
}

}  // namespace qlrtool
