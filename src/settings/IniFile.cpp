#include "IniFile.h"

#include <algorithm>
#include <utility>

namespace quillora::settings {

namespace {

std::string_view Trim(std::string_view s) {
    constexpr std::string_view kBlank = " \t";
    auto first = s.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return s.substr(s.size());  // empty, but still pointing into the line
    return s.substr(first, s.find_last_not_of(kBlank) - first + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
    return value;
}

// The key and value of a "key = value" line; nothing for other lines and ";" comments.
std::optional<std::pair<std::string_view, std::string_view>> KeyAndValue(std::string_view line) {
    auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view name = Trim(line.substr(0, eq));
    if (name.starts_with(';')) return std::nullopt;
    return std::pair{name, Unquote(Trim(line.substr(eq + 1)))};
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (auto name = SectionName(line)) {
            ini.sections_.push_back({std::string(*name), std::string(line), {}});
        } else if (ini.sections_.empty()) {
            ini.preamble_.emplace_back(line);
        } else {
            ini.sections_.back().lines.emplace_back(line);
        }
    }
    return ini;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return EqualsIgnoringCase(s.name, name); });
    return it == sections_.end() ? nullptr : &*it;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::optional<std::string_view> IniFile::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    for (std::string_view line : s->lines) {
        auto pair = KeyAndValue(line);
        if (pair && EqualsIgnoringCase(pair->first, key)) return pair->second;
    }
    return std::nullopt;
}

std::vector<std::pair<std::string_view, std::string_view>> IniFile::Pairs(std::string_view section) const {
    std::vector<std::pair<std::string_view, std::string_view>> pairs;
    if (const Section* s = FindSection(section)) {
        for (std::string_view line : s->lines) {
            if (auto pair = KeyAndValue(line)) pairs.push_back(*pair);
        }
    }
    return pairs;
}

void IniFile::ReplaceSection(std::string_view section, std::vector<std::string> lines) {
    if (Section* s = FindSection(section)) {
        s->lines = std::move(lines);
        return;
    }
    sections_.push_back({std::string(section), "[" + std::string(section) + "]", std::move(lines)});
}

std::string IniFile::Serialise() const {
    std::string out;
    auto put = [&](std::string_view line) {
        out += line;
        out += "\r\n";
    };
    for (const auto& line : preamble_) put(line);
    for (const auto& s : sections_) {
        put(s.headerLine);
        for (const auto& line : s.lines) put(line);
    }
    return out;
}

}  // namespace quillora::settings
