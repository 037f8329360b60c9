#pragma once
// "書式": the list's font, colours, line gap and shadow. The font, the colours and the shadow
// switch reach the list as soon as they are chosen; the three numbers on Apply.
#include "widgets/PropertyPage.h"
#include "workspace/Workspace.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quillora::widgets {
class ColourSwatch;
class NumberField;
}  // namespace quillora::widgets

namespace quillora::listlayer {

class ListFormatPage : public widgets::PropertyPage {
    Q_OBJECT
public:
    ListFormatPage(workspace::Workspace& ws, QWidget* parent);

    void Apply() override;

private:
    void ChooseFont();
    void ChooseColour(document::Colour& colour, widgets::ColourSwatch* swatch);
    void SetShadowEnabled(bool on);

    workspace::Workspace& ws_;
    QLabel* font_;
    widgets::ColourSwatch* fontColour_;
    widgets::NumberField* lineGap_;
    QCheckBox* shadow_;
    widgets::ColourSwatch* shadowColour_;
    QPushButton* shadowColourButton_;
    widgets::NumberField* shadowX_;
    widgets::NumberField* shadowY_;
};

}  // namespace quillora::listlayer
