// qlrtool settings DIR [--save OUTDIR]: the settings as the program loads them, as JSON.
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CommandTable.h"
#include "Json.h"
#include "document/LabelDocument.h"
#include "settings/AppSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTable.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "text/FieldText.h"

namespace {

using quillora::settings::KeyName;

constexpr char kUsage[] = "settings DIR [--save OUTDIR]";

// {"Section": {"Key": value}} under the names the file is written with.
class SettingsJsonPrinter {
public:
    explicit SettingsJsonPrinter(qlrtool::JsonWriter& json) : json_(json) { json_.BeginObject(); }

    void Section(const char* name) {
        if (inSection_) json_.EndObject();
        json_.Key(name).BeginObject();
        inSection_ = true;
    }
    void Int(KeyName key, std::int32_t value, std::int32_t) { json_.Field(key.written, value); }
    void Colour(KeyName key, quillora::document::Colour value, quillora::document::Colour) {
        json_.Field(key.written, static_cast<std::int32_t>(value));
    }
    template <std::size_t N>
    void Text(KeyName key, const char (&field)[N], std::string_view) {
        json_.Field(key.written, quillora::text::FieldToUtf8(field));
    }
    template <std::size_t N>
    void Path(KeyName key, const char (&field)[N]) {
        json_.Field(key.written, quillora::text::StoredPathToUtf8(quillora::text::FieldView(field)));
    }
    // Already the file-system path the stored bytes name.
    void Path(KeyName key, const std::string& path) { json_.Field(key.written, path); }
    void Text(KeyName key, const std::string& value, std::string_view) { json_.Field(key.written, value); }
    void Offsets(const quillora::settings::PrinterOffsets& offsets) {
        for (const auto& [printer, offset] : offsets) {
            json_.Field(printer.c_str(), quillora::settings::FormatPrinterOffset(offset));
        }
    }

    void Finish() {
        if (inSection_) json_.EndObject();
        json_.EndObject();
    }

private:
    qlrtool::JsonWriter& json_;
    bool inSection_ = false;
};

int Run(const std::vector<std::string>& args) {
    bool save = args.size() == 3 && args[1] == "--save";
    if (args.size() != 1 && !save) return qlrtool::UsageError(kUsage);
    quillora::settings::AppSettings app;
    auto doc = std::make_unique<quillora::document::LabelDocument>();
    quillora::settings::LoadSettings(args[0], app, *doc);

    qlrtool::JsonWriter json(std::cout);
    SettingsJsonPrinter printer(json);
    quillora::settings::VisitSettingsTable(printer, app, std::as_const(*doc));
    printer.Finish();

    if (save && !quillora::settings::SaveSettings(args[2], app, *doc)) {
        std::cerr << "qlrtool: cannot write " << args[2] << '/' << quillora::settings::kSettingsFileName << '\n';
        return qlrtool::kExitFile;
    }
    return qlrtool::kExitOk;
}

qlrtool::Command settingsCommand("settings", kUsage, Run);

}  // namespace
