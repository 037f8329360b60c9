#include "ListFormatPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "listlayer/ListSheetIds.h"
#include "widgets/ColourChooser.h"
#include "widgets/ColourSwatch.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/FontChooser.h"
#include "widgets/NumberField.h"

namespace quillora::listlayer {

using widgets::NumberField;

ListFormatPage::ListFormatPage(workspace::Workspace& ws, QWidget* parent) : PropertyPage(parent), ws_(ws) {
    document::ListBlock& list = ws.doc.list;
    font_ = new QLabel(this);
    widgets::WithId(font_, list_sheet_id::kFont);
    font_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* fontButton = new QPushButton(QStringLiteral("変更(&F)..."), this);
    widgets::WithId(fontButton, list_sheet_id::kChooseFont);
    fontColour_ = new widgets::ColourSwatch(this);
    widgets::WithId(fontColour_, list_sheet_id::kFontColour);
    auto* fontColourButton = new QPushButton(QStringLiteral("変更(&C)..."), this);
    widgets::WithId(fontColourButton, list_sheet_id::kChooseFontColour);
    lineGap_ = new NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, NumberField::Signed, this);
    widgets::WithId(lineGap_, list_sheet_id::kLineGap);
    shadow_ = new QCheckBox(QStringLiteral("影を付ける(&S)"), this);
    widgets::WithId(shadow_, list_sheet_id::kShadow);
    shadowColour_ = new widgets::ColourSwatch(this);
    widgets::WithId(shadowColour_, list_sheet_id::kShadowColour);
    shadowColourButton_ = new QPushButton(QStringLiteral("変更(&H)..."), this);
    widgets::WithId(shadowColourButton_, list_sheet_id::kChooseShadowColour);
    shadowX_ = new NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, NumberField::Signed, this);
    widgets::WithId(shadowX_, list_sheet_id::kShadowX);
    shadowY_ = new NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, NumberField::Signed, this);
    widgets::WithId(shadowY_, list_sheet_id::kShadowY);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("ﾌｫﾝﾄ："), this), 0, 0);
    grid->addWidget(font_, 0, 1, 1, 4);
    grid->addWidget(fontButton, 0, 5);
    grid->addWidget(new QLabel(QStringLiteral("文字色："), this), 1, 0);
    grid->addWidget(fontColour_, 1, 1, 1, 4);
    grid->addWidget(fontColourButton, 1, 5);
    widgets::AddNumberRow(*grid, 2, 0, QStringLiteral("改行間隔(&L)："), lineGap_, QStringLiteral("Pixel"));
    grid->addWidget(shadow_, 3, 0, 1, 6);
    grid->addWidget(new QLabel(QStringLiteral("影の色："), this), 4, 0);
    grid->addWidget(shadowColour_, 4, 1, 1, 4);
    grid->addWidget(shadowColourButton_, 4, 5);
    grid->addWidget(new QLabel(QStringLiteral("位置："), this), 5, 0);
    auto* offsets = new QGridLayout;
    widgets::AddNumberRow(*offsets, 0, 0, QStringLiteral("X(&X)"), shadowX_, QStringLiteral("Pixel"));
    widgets::AddNumberRow(*offsets, 0, 3, QStringLiteral("Y(&Y)"), shadowY_, QStringLiteral("Pixel"));
    grid->addLayout(offsets, 5, 1, 1, 5);
    layout->addLayout(grid);
    layout->addStretch(1);

    font_->setText(widgets::FontLabelText(widgets::FontFieldsOf(list)));
    fontColour_->SetColour(list.fontColor);
    lineGap_->SetValue(list.lineGap);
    shadow_->setChecked(list.shadow != 0);
    shadowColour_->SetColour(list.shadowColor);
    shadowX_->SetValue(list.shadowX);
    shadowY_->SetValue(list.shadowY);
    SetShadowEnabled(list.shadow != 0);

    connect(fontButton, &QPushButton::clicked, this, &ListFormatPage::ChooseFont);
    connect(fontColourButton, &QPushButton::clicked, this, [this] { ChooseColour(ws_.doc.list.fontColor, fontColour_); });
    connect(shadowColourButton_, &QPushButton::clicked, this,
            [this] { ChooseColour(ws_.doc.list.shadowColor, shadowColour_); });
    connect(shadow_, &QCheckBox::clicked, this, [this](bool on) {
        ws_.doc.list.shadow = on ? 1 : 0;
        SetShadowEnabled(on);
        emit changed();
    });
    for (NumberField* field : {lineGap_, shadowX_, shadowY_})
        connect(field, &NumberField::edited, this, &ListFormatPage::changed);
}

void ListFormatPage::SetShadowEnabled(bool on) {
    shadowColourButton_->setEnabled(on);
    shadowX_->setEnabled(on);
    shadowY_->setEnabled(on);
}

void ListFormatPage::ChooseFont() {
    if (!widgets::ChooseRecordFont(ws_.interaction, this, widgets::FontFieldsOf(ws_.doc.list))) return;
    font_->setText(widgets::FontLabelText(widgets::FontFieldsOf(ws_.doc.list)));
    emit changed();
}

void ListFormatPage::ChooseColour(document::Colour& colour, widgets::ColourSwatch* swatch) {
    if (widgets::ChooseSwatchColour(ws_.interaction, this, colour, *swatch)) emit changed();
}

void ListFormatPage::Apply() {
    document::ListBlock& list = ws_.doc.list;
    list.lineGap = lineGap_->Value();
    list.shadowX = shadowX_->Value();
    list.shadowY = shadowY_->Value();
}

}  // namespace quillora::listlayer
