#pragma once
// "背景ﾚｲﾔｰの設定": the label's background colour and border line. Works on copies; OK and
// Apply write them into the document and make them the defaults of new documents.
#include <QDialog>

#include "DialogOpenFlag.h"
#include "document/LabelDocument.h"
#include "ui/Workspace.h"

class QCheckBox;
class QPushButton;

namespace quillora::ui {
class ColourSwatch;
}

namespace quillora::layers {

class BackgroundLayerDialog : public QDialog {
    Q_OBJECT
public:
    explicit BackgroundLayerDialog(ui::Workspace& ws);

    void accept() override;

protected:
    void done(int result) override;

private:
    void ChooseColour(document::Colour& colour, ui::ColourSwatch* swatch);
    void Write();
    void Apply();

    ui::Workspace& ws_;
    DialogOpenFlag openFlag_;
    document::NewDocumentDefaults working_;

    ui::ColourSwatch* backColour_;
    QCheckBox* border_;
    ui::ColourSwatch* lineColour_;
    QPushButton* lineColourButton_;
    QPushButton* apply_;
};

}  // namespace quillora::layers
