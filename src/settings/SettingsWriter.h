#pragma once
#include "AppSettings.h"
#include "IniFile.h"

namespace quillora::settings {

// Replaces every section of the settings table in `ini`, in table order; other sections stay.
void StoreSettingsInto(IniFile& ini, const AppSettings& app, const document::LabelDocument& doc);

}  // namespace quillora::settings
