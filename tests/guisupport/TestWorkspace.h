#pragma once
// Everything a window or dialog works on, owned by one object a test creates.
#include "RecordingCommands.h"
#include "RecordingViews.h"
#include "ScriptedInteraction.h"
#include "document/LabelDocument.h"
#include "settings/AppSettings.h"
#include "workspace/DialogFlags.h"
#include "workspace/DocumentViews.h"
#include "workspace/Workspace.h"

struct TestWorkspace {
    quillora::document::LabelDocument doc;
    quillora::settings::AppSettings settings;
    quillora::workspace::DialogFlags flags;
    ScriptedInteraction interaction;
    RecordingViews views;
    quillora::workspace::Workspace ws{doc, settings, flags, interaction, {}, {}, nullptr};
    RecordingCommands commands;

    // The windows redraw what each change announces, as they do in the program.
    TestWorkspace() {
        doc.changeObserver = [this](quillora::document::ChangeScope scope) { quillora::workspace::ShowChange(views, scope); };
    }
};
