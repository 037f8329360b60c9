#pragma once
// "新規文字ﾚｲﾔｰ" and "文字ﾚｲﾔｰの設定": edits the current text layer values; the settings
// variant's Apply writes them into the edited layer at once.
#include <QDialog>

#include "workspace/DialogOpenFlag.h"
#include "DialogVariant.h"
#include "TextDialogIds.h"
#include "document/LayerSettings.h"
#include "workspace/Workspace.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillora::widgets {
class ColourSwatch;
class NumberField;
}  // namespace quillora::widgets

namespace quillora::layers {

class ArcTextGroup;

class TextLayerDialog : public QDialog {
    Q_OBJECT
public:
    // `editedSlot` is the layer Apply writes to; only the settings variant has one.
    TextLayerDialog(workspace::Workspace& ws, DialogVariant variant, int editedSlot = -1);

    void accept() override;
    void reject() override;

protected:
    void done(int result) override;

private:
    void Fill();
    // The controls' values over `s`; the text is left as stored while the field shows it unchanged.
    void ReadControlsInto(document::TextLayerSettings& s) const;
    void ReadControls();
    void FitArcToRim();
    void ShowArcCut();
    void ShowFont();
    void ChooseFont();
    void ChooseColour(document::Colour& colour, widgets::ColourSwatch* swatch);
    void SetShadowEnabled(bool on);
    void EnableApply();
    void Apply();

    workspace::Workspace& ws_;
    document::TextLayerSettings& settings_;
    const document::TextLayerSettings saved_;
    workspace::DialogOpenFlag openFlag_;
    int editedSlot_;

    QLineEdit* text_;
    QString shownText_;  // the stored text as the field showed it
    widgets::NumberField* posX_;
    widgets::NumberField* posY_;
    widgets::NumberField* angle_;
    QLabel* font_;
    widgets::ColourSwatch* fontColour_;
    QCheckBox* shadow_;
    widgets::ColourSwatch* shadowColour_;
    QPushButton* shadowColourButton_;
    widgets::NumberField* shadowX_;
    widgets::NumberField* shadowY_;
    ArcTextGroup* arc_;
    QPushButton* apply_ = nullptr;
};

}  // namespace quillora::layers
