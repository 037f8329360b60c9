#pragma once
// "背景ﾚｲﾔｰの設定": the label's background colour and border line. Works on copies; OK and
// Apply write them into the document and make them the defaults of new documents.
#include <QDialog>

#include "workspace/DialogOpenFlag.h"
#include "document/LabelDocument.h"
#include "workspace/Workspace.h"

class QCheckBox;
class QPushButton;

namespace quillora::widgets {
class ColourSwatch;
}

namespace quillora::layers {

// The dialog's controls by their ids, for the dialog and its tests alike.
namespace background_dialog_id {
inline constexpr int kBackColour = 1015, kBackColourButton = 1016, kBorder = 1017, kLineColour = 1018,
                     kLineColourButton = 1019, kApply = 1140;
}  // namespace background_dialog_id

class BackgroundLayerDialog : public QDialog {
    Q_OBJECT
public:
    explicit BackgroundLayerDialog(workspace::Workspace& ws);

    void accept() override;

protected:
    void done(int result) override;

private:
    void ChooseColour(document::Colour& colour, widgets::ColourSwatch* swatch);
    void Write();
    void Apply();

    workspace::Workspace& ws_;
    workspace::DialogOpenFlag openFlag_;
    document::NewDocumentDefaults working_;

    widgets::ColourSwatch* backColour_;
    QCheckBox* border_;
    widgets::ColourSwatch* lineColour_;
    QPushButton* lineColourButton_;
    QPushButton* apply_;
};

}  // namespace quillora::layers
