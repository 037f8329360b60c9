#pragma once
// "新規文字ﾚｲﾔｰ" and "文字ﾚｲﾔｰの設定": edits the current text layer values; the settings
// variant's Apply writes them into the edited layer at once.
#include <QDialog>

#include "DialogOpenFlag.h"
#include "DialogVariant.h"
#include "document/LayerSettings.h"
#include "ui/Workspace.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillora::ui {
class ColourSwatch;
class NumberField;
}  // namespace quillora::ui

namespace quillora::layers {

class TextLayerDialog : public QDialog {
    Q_OBJECT
public:
    // `editedSlot` is the layer Apply writes to; only the settings variant has one.
    TextLayerDialog(ui::Workspace& ws, DialogVariant variant, int editedSlot = -1);

    void accept() override;
    void reject() override;

protected:
    void done(int result) override;

private:
    void Fill();
    void ReadControls();
    void ShowFont();
    void ChooseFont();
    void ChooseColour(document::Colour& colour, ui::ColourSwatch* swatch);
    void SetShadowEnabled(bool on);
    void EnableApply();
    void Apply();

    ui::Workspace& ws_;
    document::TextLayerSettings& settings_;
    const document::TextLayerSettings saved_;
    DialogOpenFlag openFlag_;
    int editedSlot_;

    QLineEdit* text_;
    ui::NumberField* posX_;
    ui::NumberField* posY_;
    ui::NumberField* angle_;
    QLabel* font_;
    ui::ColourSwatch* fontColour_;
    QCheckBox* shadow_;
    ui::ColourSwatch* shadowColour_;
    QPushButton* shadowColourButton_;
    ui::NumberField* shadowX_;
    ui::NumberField* shadowY_;
    QPushButton* apply_ = nullptr;
};

}  // namespace quillora::layers
