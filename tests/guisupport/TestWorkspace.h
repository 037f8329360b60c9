#pragma once
// Everything a window or dialog works on, owned by one object a test creates.
#include "RecordingViews.h"
#include "ScriptedInteraction.h"
#include "document/LabelDocument.h"
#include "settings/AppSettings.h"
#include "ui/DialogFlags.h"
#include "ui/Workspace.h"

struct TestWorkspace {
    quillora::document::LabelDocument doc;
    quillora::settings::AppSettings settings;
    quillora::ui::DialogFlags flags;
    ScriptedInteraction interaction;
    RecordingViews views;
    quillora::ui::Workspace ws{doc, settings, flags, interaction, views, {}, {}, nullptr};
};
