#pragma once
// The text of an INI file: sections of "key = value" lines, read the way the settings have
// always been read (names without regard to case, spaces around "=" ignored, one pair of
// double quotes removed) and rewritten one whole section at a time. Lines the reader does
// not understand are skipped when reading and kept as they are when rewriting other sections.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillora::settings {

class IniFile {
public:
    // Accepts CR LF and LF line ends.
    static IniFile Parse(std::string_view text);

    // The value of the first matching key in the first matching section.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Every key and value of the first matching section, in file order.
    std::vector<std::pair<std::string_view, std::string_view>> Pairs(std::string_view section) const;

    // Replaces the lines of the first matching section, or appends the section at the end.
    void ReplaceSection(std::string_view section, std::vector<std::string> lines);

    // Every line ends with CR LF, as the file has always been written.
    std::string Serialise() const;

private:
    struct Section {
        std::string name;
        std::string headerLine;
        std::vector<std::string> lines;
    };
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;

    std::vector<std::string> preamble_;  // lines before the first section
    std::vector<Section> sections_;
};

}  // namespace quillora::settings
