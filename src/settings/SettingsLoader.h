#pragma once
#include "AppSettings.h"
#include "IniFile.h"

namespace quillora::settings {

// Reads every key of the settings table from `ini`; a missing key gives its default.
void LoadSettingsFrom(const IniFile& ini, AppSettings& app, document::LabelDocument& doc);

}  // namespace quillora::settings
