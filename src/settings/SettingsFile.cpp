#include "SettingsFile.h"

#include <optional>

#include "IniFile.h"
#include "SettingsLoader.h"
#include "SettingsWriter.h"
#include "document/AtomicFile.h"
#include "document/RegularFile.h"

namespace quillora::settings {

namespace {

std::string SettingsPath(const std::string& dir) { return dir + "/" + kSettingsFileName; }

// The file's bytes; empty when there is no file, nullopt when it exists but cannot be read or
// is no regular file (a FIFO is never waited on).
std::optional<std::string> ReadSettingsText(const std::string& path) {
    std::string text;
    switch (document::ReadRegularFile(path, text)) {
        case document::FileStatus::Ok:
            return text;
        case document::FileStatus::Missing:
            return std::string();
        case document::FileStatus::Unreadable:
            break;
    }
    return std::nullopt;
}

}  // namespace

void LoadSettings(const std::string& dir, AppSettings& app, document::LabelDocument& doc) {
    auto text = ReadSettingsText(SettingsPath(dir));
    LoadSettingsFrom(IniFile::Parse(text.value_or("")), app, doc);
}

bool SaveSettings(const std::string& dir, const AppSettings& app, const document::LabelDocument& doc) {
    const std::string path = SettingsPath(dir);
    auto text = ReadSettingsText(path);
    if (!text) return false;
    IniFile ini = IniFile::Parse(*text);
    StoreSettingsInto(ini, app, doc);
    return document::WriteFileAtomically(path, ini.Serialise());
}

}  // namespace quillora::settings
