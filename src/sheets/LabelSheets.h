#pragma once
// Label sheets: adhesive CD/DVD label products, each a paper with die-cut discs at known places.
// The table ships beside the program ("label-sheets.ini"); a file of the same form in the
// settings folder adds the user's own sheets (or corrects a shipped one of the same name).
#include <string>
#include <string_view>
#include <vector>

namespace quillora::sheets {

inline constexpr char kSheetFileName[] = "label-sheets.ini";

struct SheetPoint {
    double x = 0;  // millimetres from the paper's top-left corner
    double y = 0;
};

struct LabelSheet {
    std::string name;         // maker and part number, as the section names it
    std::string description;
    std::string paperName;    // "A4", "US-Letter", or empty for a size of its own
    double paperWidthMm = 0;
    double paperHeightMm = 0;
    double outerMm = 0;       // the die-cut disc's diameters
    double holeMm = 0;
    std::vector<SheetPoint> centres;  // every position, in reading order
};

struct SheetProblem {
    std::string file;
    int line = 0;
    std::string message;
};

struct SheetTable {
    std::vector<LabelSheet> sheets;
    std::vector<SheetProblem> problems;  // each left out a section, or the file
};

// Adds the sheets of one file's text; a malformed section is left out with a problem naming the
// file and its line, and the rest still loads. A sheet of a name already in the table replaces it.
void ReadLabelSheets(std::string_view text, const std::string& fileName, SheetTable& into);

// The sheet of that name, or null.
const LabelSheet* FindSheet(const SheetTable& table, std::string_view name);

// The shipped table (beside the program, or in the installed data folder, ../share/quillora from
// it), then the user's own
// in the settings folder when there is one.
SheetTable LoadLabelSheets(const std::string& programDir, const std::string& settingsDir);

}  // namespace quillora::sheets
