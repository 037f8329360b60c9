#include "sheets/LabelSheets.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

#include "document/Limits.h"
#include "document/RegularFile.h"
#include "ProjectInfo.h"

namespace quillora::sheets {
namespace {

// A person's file: a megabyte is far beyond any table of sheets.
constexpr std::size_t kMaxSheetFileBytes = 1 << 20;
constexpr double kMaxPaperMm = 1000;
// Die-cuts may reach a hair beyond the paper's edge in the makers' figures.
constexpr double kEdgeToleranceMm = 0.5;

struct Paper {
    const char* name;
    double width, height;
};
constexpr Paper kPapers[] = {{"A4", document::kA4WidthMm, document::kA4HeightMm}, {"US-Letter", 215.9, 279.4}};

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::optional<double> Number(std::string_view s) {
    s = Trimmed(s);
    double v = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (error != std::errc() || end != s.data() + s.size() || !(v >= 0) || v > kMaxPaperMm) return std::nullopt;
    return v;
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    while (!(s = Trimmed(s)).empty()) {
        const auto space = s.find_first_of(" \t");
        words.push_back(s.substr(0, space));
        s = space == std::string_view::npos ? std::string_view() : s.substr(space);
    }
    return words;
}

// One section as it is read: what is wrong with it, first, or nothing.
class SectionReader {
public:
    SectionReader(std::string name, int line) : line_(line) { sheet_.name = std::move(name); }

    int Line() const { return line_; }

    std::optional<std::string> Take(std::string_view key, std::string_view value) {
        if (key == "paper") return Paper(value);
        if (key == "disc") return Disc(value);
        if (key == "centres") return Centres(value);
        if (key == "description") {
            sheet_.description = std::string(value);
            return std::nullopt;
        }
        return "unknown key \"" + std::string(key) + "\"";
    }

    // The finished sheet, or what it lacks.
    std::optional<std::string> Check() const {
        if (sheet_.paperWidthMm <= 0) return std::string("no paper");
        if (sheet_.outerMm <= 0) return std::string("no disc");
        if (sheet_.centres.empty()) return std::string("no centres");
        const double r = sheet_.outerMm / 2 - kEdgeToleranceMm;
        for (const SheetPoint& c : sheet_.centres)
            if (c.x - r < 0 || c.y - r < 0 || c.x + r > sheet_.paperWidthMm || c.y + r > sheet_.paperHeightMm)
                return "a disc at " + std::to_string(c.x) + "," + std::to_string(c.y) + " lies off the paper";
        return std::nullopt;
    }

    const LabelSheet& Sheet() const { return sheet_; }

private:
    std::optional<std::string> Paper(std::string_view value) {
        for (const auto& paper : kPapers) {
            if (value == paper.name) {
                sheet_.paperName = paper.name;
                sheet_.paperWidthMm = paper.width;
                sheet_.paperHeightMm = paper.height;
                return std::nullopt;
            }
        }
        const auto x = value.find('x');
        const auto w = Number(value.substr(0, x));
        const auto h = x == std::string_view::npos ? std::nullopt : Number(value.substr(x + 1));
        if (!w || !h || *w <= 0 || *h <= 0) return "paper \"" + std::string(value) + "\" is neither A4, US-Letter nor WIDTHxHEIGHT";
        sheet_.paperWidthMm = *w;
        sheet_.paperHeightMm = *h;
        return std::nullopt;
    }

    std::optional<std::string> Disc(std::string_view value) {
        const auto words = Words(value);
        const auto outer = words.size() == 2 ? Number(words[0]) : std::nullopt;
        const auto hole = words.size() == 2 ? Number(words[1]) : std::nullopt;
        if (!outer || !hole || *outer <= *hole || *outer > document::kMaxDiameterMm)
            return std::string("disc must be OUTER HOLE, the outer larger, at most 300 mm");
        sheet_.outerMm = *outer;
        sheet_.holeMm = *hole;
        return std::nullopt;
    }

    std::optional<std::string> Centres(std::string_view value) {
        sheet_.centres.clear();
        for (std::string_view word : Words(value)) {
            const auto comma = word.find(',');
            const auto x = Number(word.substr(0, comma));
            const auto y = comma == std::string_view::npos ? std::nullopt : Number(word.substr(comma + 1));
            if (!x || !y) return "centre \"" + std::string(word) + "\" is not X,Y";
            sheet_.centres.push_back({*x, *y});
        }
        return std::nullopt;
    }

    LabelSheet sheet_;
    int line_;
};

void Add(LabelSheet sheet, SheetTable& into) {
    auto same = std::find_if(into.sheets.begin(), into.sheets.end(),
                             [&](const LabelSheet& s) { return s.name == sheet.name; });
    if (same != into.sheets.end()) *same = std::move(sheet);
    else into.sheets.push_back(std::move(sheet));
}

}  // namespace

void ReadLabelSheets(std::string_view text, const std::string& fileName, SheetTable& into) {
    std::optional<SectionReader> section;
    bool broken = false;  // the current section already has its problem
    const auto finish = [&] {
        if (!section || broken) return;
        if (auto lack = section->Check()) into.problems.push_back({fileName, section->Line(), *lack});
        else Add(section->Sheet(), into);
    };
    std::istringstream lines{std::string(text)};
    std::string raw;
    for (int number = 1; std::getline(lines, raw); ++number) {
        const std::string_view line = Trimmed(raw);
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line.front() == '[') {
            finish();
            broken = false;
            if (line.back() != ']' || line.size() < 3) {
                section.reset();
                into.problems.push_back({fileName, number, "a section name goes in [ ]"});
                continue;
            }
            section.emplace(std::string(Trimmed(line.substr(1, line.size() - 2))), number);
            continue;
        }
        const auto equals = line.find('=');
        std::optional<std::string> problem;
        if (!section) problem = "a line outside any [sheet]";
        else if (equals == std::string_view::npos) problem = "a line without \"=\"";
        else if (!broken) problem = section->Take(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)));
        if (problem && !broken) {
            into.problems.push_back({fileName, number, *problem});
            broken = section.has_value();
        }
    }
    finish();
}

SheetTable LoadLabelSheets(const std::string& programDir, const std::string& settingsDir) {
    SheetTable table;
    const auto load = [&table](const std::string& path, bool required) {
        std::string bytes;
        const document::FileStatus status = document::ReadRegularFile(path, bytes, kMaxSheetFileBytes + 1);
        if (status == document::FileStatus::Ok && bytes.size() <= kMaxSheetFileBytes) {
            ReadLabelSheets(bytes, path, table);
            return true;
        }
        if (status != document::FileStatus::Missing || required)
            table.problems.push_back({path, 0, status == document::FileStatus::Missing ? "missing" : "cannot be read"});
        return false;
    };
    if (!load(programDir + "/" + kSheetFileName, false))
        load(programDir + "/" + project::kDataFolderFromProgram + "/" + kSheetFileName, true);
    if (!settingsDir.empty() && settingsDir != programDir) load(settingsDir + "/" + kSheetFileName, false);
    return table;
}

const LabelSheet* FindSheet(const SheetTable& table, std::string_view name) {
    const auto found = std::find_if(table.sheets.begin(), table.sheets.end(),
                                    [&](const LabelSheet& sheet) { return sheet.name == name; });
    return found == table.sheets.end() ? nullptr : &*found;
}

}  // namespace quillora::sheets
