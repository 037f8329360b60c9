#include "SettingsWriter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "SettingsTable.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

namespace quillora::settings {

namespace {

// Collects the "Key = value" lines of one section and hands the whole section to the file.
class SettingsWriter {
public:
    explicit SettingsWriter(IniFile& ini) : ini_(ini) {}

    void Section(const char* name) {
        Finish();
        section_ = name;
    }
    void Int(KeyName key, std::int32_t value, std::int32_t) { Line(key, std::to_string(value)); }
    // Written with %d like every other number; colours never use the top byte.
    void Colour(KeyName key, document::Colour value, document::Colour) {
        Int(key, static_cast<std::int32_t>(value), 0);
    }
    template <std::size_t N>
    void Text(KeyName key, const char (&field)[N], std::string_view) {
        Quoted(key, text::FieldView(field));
    }
    template <std::size_t N>
    void Path(KeyName key, const char (&field)[N]) {
        Quoted(key, text::FieldView(field));
    }
    void Path(KeyName key, const std::string& path) { Quoted(key, text::Utf8PathToStored(path)); }
    void Text(KeyName key, const std::string& value, std::string_view) { Quoted(key, value); }
    void Offsets(const PrinterOffsets& offsets) {
        for (const auto& [printer, offset] : offsets) Line(printer.c_str(), FormatPrinterOffset(offset));
    }

    void Finish() {
        if (section_) ini_.ReplaceSection(section_, std::exchange(lines_, {}));
        section_ = nullptr;
    }

private:
    void Line(KeyName key, std::string_view value) {
        std::string line(key.written);
        line += " = ";
        line += value;
        lines_.push_back(std::move(line));
    }
    void Quoted(KeyName key, std::string_view bytes) {
        std::string value = "\"";
        value += bytes;
        value += '"';
        Line(key, value);
    }

    IniFile& ini_;
    const char* section_ = nullptr;
    std::vector<std::string> lines_;
};

}  // namespace

void StoreSettingsInto(IniFile& ini, const AppSettings& app, const document::LabelDocument& doc) {
    SettingsWriter writer(ini);
    VisitSettingsTable(writer, app, doc);
    writer.Finish();
}

}  // namespace quillora::settings
