#pragma once
// "ｸﾞﾘｯﾄﾞ": whether the document window shows the grid, its colour, line type and spacing.
// The colour is chosen into a working copy that only Apply stores.
#include "document/Records.h"
#include "widgets/PropertyPage.h"
#include "workspace/Workspace.h"

class QCheckBox;
class QComboBox;

namespace quillora::widgets {
class ColourSwatch;
class NumberField;
}  // namespace quillora::widgets

namespace quillora::environment {

class GridPage : public widgets::PropertyPage {
    Q_OBJECT
public:
    GridPage(workspace::Workspace& ws, QWidget* parent);

    void Apply() override;

private:
    workspace::Workspace& ws_;
    document::Colour colour_;
    QCheckBox* visible_;
    widgets::ColourSwatch* swatch_;
    QComboBox* lineType_;
    widgets::NumberField* spacing_;
};

}  // namespace quillora::environment
