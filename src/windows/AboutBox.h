#pragma once
// The version box of the help menu.
#include <QDialog>

#include "workspace/Workspace.h"

namespace quillora::windows {

// The box's icon and version text by their ids, for the box and its tests alike.
namespace about_box_id {
inline constexpr int kIcon = 1030, kVersion = 1031;
}  // namespace about_box_id

// The box's version text in the old "Ver.1.00" form: the minor number in two digits, the
// patch number added only when there is one ("Quillora Ver.1.02.3").
QString VersionText(int major, int minor, int patch);

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);
};

void ShowAbout(workspace::Workspace& ws);

}  // namespace quillora::windows
