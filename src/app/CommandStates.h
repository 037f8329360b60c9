#pragma once
// Which frame commands are available and checked, computed from the document and the settings,
// so that a greyed item's shortcut does nothing.
#include "document/LabelDocument.h"
#include "settings/AppSettings.h"

namespace quillora::app {

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

CommandState StateOf(int id, const document::LabelDocument& doc, const settings::AppSettings& settings);

// Ids whose item shows a check mark.
bool IsCheckable(int id);

}  // namespace quillora::app
