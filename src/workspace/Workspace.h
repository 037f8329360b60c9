#pragma once
// What the windows and dialogs of the program work on, handed to them by the application
// instead of living in globals.
#include <QString>
#include <string>

#include "document/LabelDocument.h"
#include "pictures/PictureLibrary.h"
#include "settings/AppSettings.h"
#include "workspace/DialogFlags.h"
#include "workspace/Interaction.h"

class QWidget;

namespace quillora::workspace {

struct Workspace {
    document::LabelDocument& doc;
    settings::AppSettings& settings;
    DialogFlags& flags;
    Interaction& interaction;
    pictures::PictureLibrary pictures;  // BMP and the plug-ins of the program folder
    QString pictureFilter;       // the picture file chooser's filter, Qt form
    QWidget* frame = nullptr;    // owner of the modal dialogs
    std::string lastImportFolder{};  // where the track-list import's chooser opens next, for the run
    std::string programDir{};        // where the shipped data lies
    std::string settingsDir{};       // where quillora.ini and the user's own label sheets lie
};

}  // namespace quillora::workspace
