#include "SettingsLoader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "IniNumber.h"
#include "SettingsTable.h"
#include "text/FixedField.h"
#include "text/StoredPath.h"
#include "document/Limits.h"

namespace quillora::settings {

namespace {

class SettingsLoader {
public:
    explicit SettingsLoader(const IniFile& ini) : ini_(ini) {}

    void Section(const char* name) { section_ = name; }

    void Int(KeyName key, std::int32_t& value, std::int32_t def) {
        auto found = Lookup(key);
        value = found ? ParseIniInt(*found) : def;
    }
    void Colour(KeyName key, document::Colour& value, document::Colour def) {
        auto found = Lookup(key);
        value = found ? static_cast<document::Colour>(ParseIniInt(*found)) : def;
    }
    template <std::size_t N>
    void Text(KeyName key, char (&field)[N], std::string_view def) {
        text::StoreField(field, Lookup(key).value_or(def));
    }
    template <std::size_t N>
    void Path(KeyName key, char (&field)[N]) {
        Text(key, field, "");
    }
    // Stored like the fixed path fields (the bytes before a NUL, at most 255 of them), held as
    // the file-system path they name.
    void Path(KeyName key, std::string& path) {
        std::string_view value = Lookup(key).value_or("");
        value = value.substr(0, std::min(value.find('\0'), document::kStoredPathBytes));
        path = value.empty() ? std::string() : text::ResolveStoredPath(value);
    }

    void Text(KeyName key, std::string& value, std::string_view def) { value = Lookup(key).value_or(def); }
    // A malformed value or one beyond the limits is left out.
    void Offsets(PrinterOffsets& offsets) {
        offsets.clear();
        for (const auto& [printer, value] : ini_.Pairs(section_)) {
            if (auto offset = ParsePrinterOffset(value)) offsets.emplace(printer, *offset);
        }
    }

private:
    std::optional<std::string_view> Lookup(KeyName key) const { return ini_.Find(section_, key.read); }

    const IniFile& ini_;
    const char* section_ = "";
};

}  // namespace

void LoadSettingsFrom(const IniFile& ini, AppSettings& app, document::LabelDocument& doc) {
    SettingsLoader loader(ini);
    VisitSettingsTable(loader, app, doc);
}

}  // namespace quillora::settings
