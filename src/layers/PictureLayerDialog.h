#pragma once
// "新規画像ﾚｲﾔｰ" and "画像ﾚｲﾔｰの設定": the picture file and its placement. Edits the current
// picture layer values; the settings variant's Apply writes them into the edited layer.
#include <QDialog>

#include "workspace/DialogOpenFlag.h"
#include "DialogVariant.h"
#include "document/LayerSettings.h"
#include "workspace/Workspace.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;

namespace quillora::widgets {
class NumberField;
}

namespace quillora::layers {

// The dialog's controls by their ids, for the dialog and its tests alike.
namespace picture_dialog_id {
inline constexpr int kPath = 1047, kBrowse = 1048, kNumeric = 1049, kCentred = 1050, kFill = 1051, kPosX = 1052,
                     kPosY = 1054, kWidth = 1056, kHeight = 1058, kResetSize = 1071, kKeepAspect = 1072,
                     kApply = 1116;
}  // namespace picture_dialog_id

class PictureLayerDialog : public QDialog {
    Q_OBJECT
public:
    PictureLayerDialog(workspace::Workspace& ws, DialogVariant variant, int editedSlot = -1);

    void accept() override;

protected:
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowPath();
    void EnableByPlacement(int placement);
    void ChooseFile();
    void ResetSize();
    void ProposeNaturalSize();
    // The readability check of OK and Apply, then the values into the settings.
    bool ReadValues();
    void EnableApply();
    void Apply();

    workspace::Workspace& ws_;
    document::PicLayerSettings& settings_;
    workspace::DialogOpenFlag openFlag_;
    int editedSlot_;

    QLabel* path_;
    QButtonGroup* placement_;
    QCheckBox* keepAspect_;
    widgets::NumberField* posX_;
    widgets::NumberField* posY_;
    widgets::NumberField* width_;
    widgets::NumberField* height_;
    QPushButton* reset_;
    QPushButton* apply_ = nullptr;
};

}  // namespace quillora::layers
