#pragma once
// The version box of the help menu.
#include <QDialog>

#include "workspace/Workspace.h"

namespace quillora::windows {

// The box's icon and version text by their ids, for the box and its tests alike.
namespace about_box_id {
inline constexpr int kIcon = 1030, kVersion = 1031;
}  // namespace about_box_id

inline constexpr char kVersionText[] = "Quillora Ver.1.00";

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);
};

void ShowAbout(workspace::Workspace& ws);

}  // namespace quillora::windows
