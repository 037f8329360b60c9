#pragma once
// The version box of the help menu.
#include <QDialog>

#include "ui/Workspace.h"

namespace quillora::ui {

inline constexpr char kVersionText[] = "Quillora Ver.1.00";

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent);
};

void ShowAbout(Workspace& ws);

}  // namespace quillora::ui
