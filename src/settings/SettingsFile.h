#pragma once
// The settings file "quillora.ini": read once at start-up, written once at exit.
#include <string>

#include "AppSettings.h"
#include "document/LabelDocument.h"

namespace quillora::settings {

constexpr const char* kSettingsFileName = "quillora.ini";

// Reads dir/quillora.ini into `app` and into the document fields kept there: DocHeader
// ("NewDoc", "Print"), the list settings of ListBlock ("List") and selectedFileName
// ("UsedFile"). A missing or unreadable file or key gives the defaults.
void LoadSettings(const std::string& dir, AppSettings& app, document::LabelDocument& doc);

// Writes every section in table order, replacing each and keeping the file's other sections.
// False when the file could not be written, or exists but could not be read.
bool SaveSettings(const std::string& dir, const AppSettings& app, const document::LabelDocument& doc);

// The program directory when it is writable, otherwise $XDG_CONFIG_HOME/quillora
// (~/.config/quillora by default), created when missing.
std::string SettingsDirectory(const std::string& programDir);

}  // namespace quillora::settings
