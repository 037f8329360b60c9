#pragma once
// The version box of the help menu.
#include <QDialog>

#include "workspace/Workspace.h"

namespace quillora::windows {

inline constexpr char kVersionText[] = "Quillora Ver.1.00";

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);
};

void ShowAbout(workspace::Workspace& ws);

}  // namespace quillora::windows
