#pragma once
// What the windows and dialogs of the program work on, handed to them by the application
// instead of living in globals.
#include <QString>
#include <string>

#include "document/LabelDocument.h"
#include "settings/AppSettings.h"
#include "ui/DialogFlags.h"
#include "ui/DocumentViews.h"
#include "ui/Interaction.h"

class QWidget;

namespace quillora::ui {

struct Workspace {
    document::LabelDocument& doc;
    settings::AppSettings& settings;
    DialogFlags& flags;
    Interaction& interaction;
    DocumentViews& views;
    std::string programDir;      // picture plug-ins are looked up here
    QString pictureFilter;       // the picture file chooser's filter, Qt form
    QWidget* frame = nullptr;    // owner of the modal dialogs
};

}  // namespace quillora::ui
