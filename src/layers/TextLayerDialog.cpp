#include "TextLayerDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "canvas/FontMapping.h"
#include "widgets/Cp932TextValidator.h"
#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "LayerChanges.h"
#include "document/LayerValues.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "widgets/ColourSwatch.h"
#include "canvas/Colours.h"
#include "widgets/ControlId.h"
#include "widgets/NumberField.h"

namespace quillora::layers {

using text::FieldView;
using widgets::NumberField;
using widgets::WithId;

namespace {
constexpr int kTextBytes = 255;
constexpr int kWidthDu = 207;
constexpr int kHeightDu = 229;
// The sizes the font chooser may return, in whole points.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 200;

QString FromRecord(std::string_view bytes) { return QString::fromStdString(text::Cp932ToUtf8(bytes)); }
}  // namespace

TextLayerDialog::TextLayerDialog(workspace::Workspace& ws, DialogVariant variant, int editedSlot)
    : QDialog(ws.frame), ws_(ws), settings_(ws.settings.text), saved_(ws.settings.text),
      openFlag_(ws.flags.textDialogOpen), editedSlot_(editedSlot) {
    bool settingsVariant = variant == DialogVariant::LayerSettings;
    setWindowTitle(settingsVariant ? QStringLiteral("文字ﾚｲﾔｰの設定") : QStringLiteral("新規文字ﾚｲﾔｰ"));

    text_ = widgets::WithId(new QLineEdit(this), 1036);
    text_->setValidator(new widgets::Cp932TextValidator(kTextBytes, [&ws] { ws.interaction.Beep(); }, text_));
    posX_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), 1045);
    posY_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), 1049);
    angle_ = widgets::WithId(new widgets::NumberField(0, 360, widgets::NumberField::DigitsOnly, this), 1047);
    font_ = widgets::WithId(new QLabel(this), 1041);
    font_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* fontButton = widgets::WithId(new QPushButton(QStringLiteral("変更(&F)..."), this), 1042);
    fontColour_ = widgets::WithId(new widgets::ColourSwatch(this), 1043);
    auto* fontColourButton = widgets::WithId(new QPushButton(QStringLiteral("変更(&C)..."), this), 1044);
    shadow_ = widgets::WithId(new QCheckBox(QStringLiteral("影を付ける(&H)"), this), 1132);
    shadowColour_ = widgets::WithId(new widgets::ColourSwatch(this), 1133);
    shadowColourButton_ = widgets::WithId(new QPushButton(QStringLiteral("変更(&D)..."), this), 1134);
    shadowX_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), 1135);
    shadowY_ = widgets::WithId(new widgets::NumberField(-widgets::kPositionLimit, widgets::kPositionLimit, widgets::NumberField::Signed, this), 1137);

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

    widgets::DialogButtons buttons = widgets::AddDialogButtons(*this, *layout, settingsVariant ? QStringLiteral("適用(&A)") : QString(), 1115);
    apply_ = buttons.apply;
    if (apply_) connect(apply_, &QPushButton::clicked, this, &TextLayerDialog::Apply);

    Fill();
    connect(text_, &QLineEdit::textChanged, this, &TextLayerDialog::EnableApply);
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
    text_->setText(FromRecord(FieldView(settings_.text)));
    posX_->setValue(settings_.posX);
    posY_->setValue(settings_.posY);
    angle_->setValue(settings_.angle);
    ShowFont();
    shadowX_->setValue(settings_.shadowX);
    shadowY_->setValue(settings_.shadowY);
    shadow_->setChecked(settings_.shadow == 1);
    SetShadowEnabled(settings_.shadow == 1);
    fontColour_->setColour(settings_.fontColor);
    shadowColour_->setColour(settings_.shadowColor);
}

void TextLayerDialog::ShowFont() {
    font_->setText(QStringLiteral("%1 / %2pt").arg(FromRecord(FieldView(settings_.fontFace))).arg(settings_.fontSize));
}

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
    workspace::FontChoice initial;
    // The chooser lists the families Qt has: open it on the one that draws the stored face
    // (Arial is drawn with Liberation Sans), and store the Windows name again for that family.
    initial.face = canvas::FontMapping::UsedFamily(FieldView(settings_.fontFace));
    initial.pointSizeTenths = settings_.fontSize * 10;
    initial.weight = settings_.fontBold;
    initial.italic = (settings_.fontItalic & 0xFF) != 0;
    initial.underline = (settings_.fontUnderline & 0xFF) != 0;
    initial.strikeOut = (settings_.fontStrike & 0xFF) != 0;
    std::optional<workspace::FontChoice> chosen = ws_.interaction.ChooseFont(this, initial);
    if (!chosen) return;
    std::optional<std::string> face = text::Utf8ToCp932(canvas::FontMapping::StoredFaceFor(chosen->face).toStdString());
    if (!face) {
        // A face name the records cannot hold would be stored wrong: refuse it.
        ws_.interaction.Beep();
        return;
    }
    settings_.fontSize = std::clamp(chosen->pointSizeTenths / 10, kMinPoints, kMaxPoints);
    settings_.fontBold = chosen->weight;
    settings_.fontItalic = chosen->italic ? 1 : 0;
    settings_.fontUnderline = chosen->underline ? 1 : 0;
    settings_.fontStrike = chosen->strikeOut ? 1 : 0;
    text::StoreField(settings_.fontFace, *face);
    ShowFont();
    EnableApply();
}

void TextLayerDialog::ChooseColour(document::Colour& colour, widgets::ColourSwatch* swatch) {
    std::optional<QColor> chosen = ws_.interaction.ChooseColour(this, canvas::ToQColor(colour), false);
    if (!chosen) return;
    colour = canvas::FromQColor(*chosen);
    swatch->setColour(colour);
    EnableApply();
}

void TextLayerDialog::ReadControls() {
    // The validator keeps the field representable and within the record's room.
    text::StoreField(settings_.text, text::Utf8ToCp932(text_->text().toStdString()).value_or(std::string()),
                     kTextBytes);
    settings_.posX = posX_->value();
    settings_.posY = posY_->value();
    settings_.angle = angle_->value();
    settings_.shadowX = shadowX_->value();
    settings_.shadowY = shadowY_->value();
}

void TextLayerDialog::Apply() {
    ReadControls();
    if (editedSlot_ < 0 || editedSlot_ >= document::kMaxLayers) return;
    document::StoreTextLayer(ws_.doc.layers[editedSlot_], settings_);
    EndSettingsChange(ws_);
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
    openFlag_.release();
    QDialog::done(result);
}

}  // namespace quillora::layers
