// Feeds arbitrary bytes to the settings reader as the text of quillora.ini, and checks that
// what is read survives being written and read again.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "document/LabelDocument.h"
#include "settings/AppSettings.h"
#include "settings/IniFile.h"
#include "settings/SettingsLoader.h"
#include "settings/SettingsWriter.h"

using namespace quillora;

namespace {

std::string WrittenText(const settings::AppSettings& app, const document::LabelDocument& doc) {
    settings::IniFile ini;
    settings::StoreSettingsInto(ini, app, doc);
    return ini.Serialise();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    settings::IniFile ini = settings::IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string rewritten = ini.Serialise();
    if (settings::IniFile::Parse(rewritten).Serialise() != rewritten) __builtin_trap();

    settings::AppSettings app;
    auto doc = std::make_unique<document::LabelDocument>();
    settings::LoadSettingsFrom(ini, app, *doc);
    const std::string written = WrittenText(app, *doc);
    settings::LoadSettingsFrom(settings::IniFile::Parse(written), app, *doc);
    if (WrittenText(app, *doc) != written) __builtin_trap();

    // Saving into the fuzzed file itself, as the program does at exit.
    settings::StoreSettingsInto(ini, app, *doc);
    settings::LoadSettingsFrom(settings::IniFile::Parse(ini.Serialise()), app, *doc);
    if (WrittenText(app, *doc) != written) __builtin_trap();
    return 0;
}
