#pragma once
// "その他": tips at start-up and keeping the floating windows arranged. Turning arranging on
// arranges them at once on Apply.
#include <functional>

#include "widgets/PropertyPage.h"
#include "workspace/Workspace.h"

class QCheckBox;

namespace quillora::environment {

class OtherPage : public widgets::PropertyPage {
    Q_OBJECT
public:
    OtherPage(workspace::Workspace& ws, std::function<void()> arrangeWindows, QWidget* parent);

    void Apply() override;

private:
    workspace::Workspace& ws_;
    std::function<void()> arrangeWindows_;
    QCheckBox* tips_;
    QCheckBox* arrange_;
};

}  // namespace quillora::environment
