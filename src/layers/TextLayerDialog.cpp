#include "TextLayerDialog.h"

#include "ArcTextGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/Cp932TextValidator.h"
#include "widgets/DialogParts.h"
#include "widgets/FontChooser.h"
#include "widgets/DialogSize.h"
#include "document/LayerValues.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "widgets/ColourChooser.h"
#include "widgets/ColourSwatch.h"
#include "widgets/ControlId.h"
#include "widgets/NumberField.h"
#include "workspace/Captions.h"
#include "document/Limits.h"
#include "canvas/ArcTextFit.h"
#include "canvas/RecordText.h"

namespace quillora::layers {

using text::FieldView;
using widgets::NumberField;
using widgets::WithId;

namespace {
constexpr int kWidthDu = 207;
// The template's 229 and the arc group below the shadow.
constexpr int kHeightDu = 229 + 68;

}  // namespace

TextLayerDialog::TextLayerDialog(workspace::Workspace& ws, DialogVariant variant, int editedSlot)
    : QDialog(ws.frame), ws_(ws), settings_(ws.settings.text), saved_(ws.settings.text),
      openFlag_(ws.flags.textDialogOpen), editedSlot_(editedSlot) {
    bool settingsVariant = variant == DialogVariant::LayerSettings;
    setWindowTitle(QString::fromUtf8(settingsVariant ? workspace::caption::kTextLayerSettings : workspace::caption::kNewTextLayer));

    text_ = widgets::WithId(new QLineEdit(this), text_dialog_id::kText);
    text_->setValidator(new widgets::Cp932TextValidator(document::kLayerTextBytes, [&ws] { ws.interaction.Beep(); }, text_));
    posX_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), text_dialog_id::kPosX);
    posY_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), text_dialog_id::kPosY);
    angle_ = widgets::WithId(new widgets::NumberField(0, 360, widgets::NumberField::DigitsOnly, this), text_dialog_id::kAngle);
    font_ = widgets::WithId(new QLabel(this), text_dialog_id::kFont);
    font_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* fontButton = widgets::WithId(new QPushButton(QStringLiteral("変更(&F)..."), this), text_dialog_id::kFontButton);
    fontColour_ = widgets::WithId(new widgets::ColourSwatch(this), text_dialog_id::kFontColour);
    auto* fontColourButton = widgets::WithId(new QPushButton(QStringLiteral("変更(&C)..."), this), text_dialog_id::kFontColourButton);
    shadow_ = widgets::WithId(new QCheckBox(QStringLiteral("影を付ける(&H)"), this), text_dialog_id::kShadow);
    shadowColour_ = widgets::WithId(new widgets::ColourSwatch(this), text_dialog_id::kShadowColour);
    shadowColourButton_ = widgets::WithId(new QPushButton(QStringLiteral("変更(&D)..."), this), text_dialog_id::kShadowColourButton);
    shadowX_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), text_dialog_id::kShadowX);
    shadowY_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), text_dialog_id::kShadowY);
    arc_ = new ArcTextGroup(this);

    auto* layout = new QVBoxLayout(this);
    auto* textRow = new QHBoxLayout;
    auto* textLabel = new QLabel(QStringLiteral("文字(&T)："));
    textLabel->setBuddy(text_);
    textRow->addWidget(textLabel);
    textRow->addWidget(text_, 1);
    layout->addLayout(textRow);
    layout->addWidget(widgets::MakeSeparator(*this));

    auto* grid = new QGridLayout;
    widgets::AddNumberRow(*grid, 0, 0, QStringLiteral("X(&X)"), posX_, QStringLiteral("mm"));
    widgets::AddNumberRow(*grid, 0, 3, QStringLiteral("Y(&Y)"), posY_, QStringLiteral("mm"));
    widgets::AddNumberRow(*grid, 1, 0, QStringLiteral("角度(&N)："), angle_, QStringLiteral("°"));
    grid->addWidget(font_, 2, 0, 1, 5);
    grid->addWidget(fontButton, 2, 5);
    grid->addWidget(new QLabel(QStringLiteral("文字色：")), 3, 0);
    grid->addWidget(fontColour_, 3, 1, 1, 4);
    grid->addWidget(fontColourButton, 3, 5);
    grid->addWidget(shadow_, 4, 0, 1, 6);
    grid->addWidget(new QLabel(QStringLiteral("影の色：")), 5, 0);
    grid->addWidget(shadowColour_, 5, 1, 1, 4);
    grid->addWidget(shadowColourButton_, 5, 5);
    widgets::AddNumberRow(*grid, 6, 0, QStringLiteral("X(&E)"), shadowX_, QStringLiteral("Pixel"));
    widgets::AddNumberRow(*grid, 6, 3, QStringLiteral("Y(&I)"), shadowY_, QStringLiteral("Pixel"));
    layout->addLayout(grid);
    layout->addWidget(arc_);

    widgets::DialogButtons buttons = widgets::AddDialogButtons(*this, *layout, settingsVariant ? QString::fromUtf8(workspace::caption::kApply) : QString(), text_dialog_id::kApply);
    apply_ = buttons.apply;
    if (apply_) connect(apply_, &QPushButton::clicked, this, &TextLayerDialog::Apply);

    Fill();
    connect(text_, &QLineEdit::textChanged, this, &TextLayerDialog::EnableApply);
    connect(text_, &QLineEdit::textChanged, this, &TextLayerDialog::ShowArcCut);
    connect(arc_, &ArcTextGroup::edited, this, &TextLayerDialog::EnableApply);
    connect(arc_, &ArcTextGroup::edited, this, &TextLayerDialog::ShowArcCut);
    connect(arc_, &ArcTextGroup::fitRimRequested, this, &TextLayerDialog::FitArcToRim);
    for (widgets::NumberField* field : {posX_, posY_, angle_, shadowX_, shadowY_})
        connect(field, &widgets::NumberField::edited, this, &TextLayerDialog::EnableApply);
    connect(fontButton, &QPushButton::clicked, this, &TextLayerDialog::ChooseFont);
    connect(fontColourButton, &QPushButton::clicked, this,
            [this] { ChooseColour(settings_.fontColor, fontColour_); });
    connect(shadowColourButton_, &QPushButton::clicked, this,
            [this] { ChooseColour(settings_.shadowColor, shadowColour_); });
    connect(shadow_, &QCheckBox::clicked, this, [this](bool on) {
        settings_.shadow = on ? 1 : 0;
        SetShadowEnabled(on);
        EnableApply();
    });

    widgets::FixDialogSize(*this, kWidthDu, kHeightDu);
    text_->selectAll();
    text_->setFocus();
}

void TextLayerDialog::Fill() {
    shownText_ = canvas::Cp932ToQString(FieldView(settings_.text));
    text_->setText(shownText_);
    posX_->SetValue(settings_.posX);
    posY_->SetValue(settings_.posY);
    angle_->SetValue(settings_.angle);
    ShowFont();
    shadowX_->SetValue(settings_.shadowX);
    shadowY_->SetValue(settings_.shadowY);
    shadow_->setChecked(settings_.shadow == 1);
    SetShadowEnabled(settings_.shadow == 1);
    fontColour_->SetColour(settings_.fontColor);
    shadowColour_->SetColour(settings_.shadowColor);
    arc_->Show(settings_.arc);
    ShowArcCut();
}

void TextLayerDialog::FitArcToRim() { arc_->SetRadius(document::RimRadius(ws_.doc.SafeOuterMm(), settings_.fontSize)); }

void TextLayerDialog::ShowArcCut() {
    document::TextLayerSettings shown = settings_;
    ReadControlsInto(shown);
    document::LayerRecord probe{};
    document::StoreTextLayer(probe, shown);
    arc_->ShowCut(canvas::ArcLeavesCharactersOut(probe));
}

void TextLayerDialog::ShowFont() { font_->setText(widgets::FontLabelText(widgets::FontFieldsOf(settings_))); }

// The swatch itself stays enabled: only what changes the shadow follows the box.
void TextLayerDialog::SetShadowEnabled(bool on) {
    shadowColourButton_->setEnabled(on);
    shadowX_->setEnabled(on);
    shadowY_->setEnabled(on);
}

void TextLayerDialog::EnableApply() {
    if (apply_) apply_->setEnabled(true);
}

void TextLayerDialog::ChooseFont() {
    if (!widgets::ChooseRecordFont(ws_.interaction, this, widgets::FontFieldsOf(settings_))) return;
    ShowFont();
    ShowArcCut();
    EnableApply();
}

void TextLayerDialog::ChooseColour(document::Colour& colour, widgets::ColourSwatch* swatch) {
    if (widgets::ChooseSwatchColour(ws_.interaction, this, colour, *swatch)) EnableApply();
}

void TextLayerDialog::ReadControlsInto(document::TextLayerSettings& s) const {
    // Text left as it was shown keeps its stored bytes, even those that could not be shown. An
    // edit loses only those (shown as U+FFFD); the validator keeps the rest representable.
    if (text_->text() != shownText_) {
        const QString typed = QString(text_->text()).remove(QChar::ReplacementCharacter);
        text::StoreField(s.text, text::Utf8ToCp932(typed.toStdString()).value_or(std::string()), document::kLayerTextBytes);
    }
    s.posX = posX_->Value();
    s.posY = posY_->Value();
    s.angle = angle_->Value();
    s.shadowX = shadowX_->Value();
    s.shadowY = shadowY_->Value();
    s.arc = arc_->Shown();
}

void TextLayerDialog::ReadControls() {
    ReadControlsInto(settings_);
    shownText_ = text_->text();
}

void TextLayerDialog::Apply() {
    ReadControls();
    if (editedSlot_ < 0 || editedSlot_ >= document::kMaxLayers) return;
    document::StoreTextLayer(ws_.doc.layers[editedSlot_], settings_);
    ws_.doc.CommitEdit(workspace::caption::kTextLayerSettings, document::ChangeScope::Layer);
    apply_->setEnabled(false);
}

void TextLayerDialog::accept() {
    ReadControls();
    QDialog::accept();
}

void TextLayerDialog::reject() {
    settings_ = saved_;
    QDialog::reject();
}

void TextLayerDialog::done(int result) {
    openFlag_.Release();
    QDialog::done(result);
}

}  // namespace quillora::layers
