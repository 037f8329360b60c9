#include "BackgroundLayerDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "widgets/ControlId.h"
#include "widgets/ColourSwatch.h"
#include "canvas/Colours.h"
#include "workspace/Captions.h"

namespace quillora::layers {

using widgets::WithId;

namespace {
constexpr int kWidthDu = 179;
constexpr int kHeightDu = 105;
}  // namespace

BackgroundLayerDialog::BackgroundLayerDialog(workspace::Workspace& ws)
    : QDialog(ws.frame), ws_(ws), openFlag_(ws.flags.backgroundDialogOpen),
      working_{ws.doc.state.backColor, ws.doc.state.lineColor, ws.doc.state.borderLine} {
    setWindowTitle(QString::fromUtf8(workspace::caption::kBackgroundLayerSettings));
    backColour_ = widgets::WithId(new widgets::ColourSwatch(this), background_dialog_id::kBackColour);
    auto* backColourButton = widgets::WithId(new QPushButton(QStringLiteral("変更(&C)..."), this), background_dialog_id::kBackColourButton);
    border_ = widgets::WithId(new QCheckBox(QStringLiteral("境界線(&B)"), this), background_dialog_id::kBorder);
    lineColour_ = widgets::WithId(new widgets::ColourSwatch(this), background_dialog_id::kLineColour);
    lineColourButton_ = widgets::WithId(new QPushButton(QStringLiteral("変更(&L)..."), this), background_dialog_id::kLineColourButton);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("背景色：")), 0, 0);
    grid->addWidget(backColour_, 0, 1);
    grid->addWidget(backColourButton, 0, 2);
    grid->addWidget(border_, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("色：")), 2, 0);
    grid->addWidget(lineColour_, 2, 1);
    grid->addWidget(lineColourButton_, 2, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    widgets::DialogButtons buttons = widgets::AddDialogButtons(*this, *layout, QString::fromUtf8(workspace::caption::kApply), background_dialog_id::kApply);
    apply_ = buttons.apply;

    border_->setChecked(working_.borderLine == 1);
    lineColourButton_->setEnabled(working_.borderLine == 1);
    backColour_->SetColour(working_.backColor);
    lineColour_->SetColour(working_.lineColor);

    connect(backColourButton, &QPushButton::clicked, this, [this] { ChooseColour(working_.backColor, backColour_); });
    connect(lineColourButton_, &QPushButton::clicked, this, [this] { ChooseColour(working_.lineColor, lineColour_); });
    connect(border_, &QCheckBox::clicked, this, [this](bool on) {
        working_.borderLine = on ? 1 : 0;
        lineColourButton_->setEnabled(on);
        apply_->setEnabled(true);
    });
    connect(apply_, &QPushButton::clicked, this, &BackgroundLayerDialog::Apply);
    widgets::FixDialogSize(*this, kWidthDu, kHeightDu);
}

void BackgroundLayerDialog::ChooseColour(document::Colour& colour, widgets::ColourSwatch* swatch) {
    std::optional<QColor> chosen = ws_.interaction.ChooseColour(this, canvas::ToQColor(colour), true);
    if (!chosen) return;
    colour = canvas::FromQColor(*chosen);
    swatch->SetColour(colour);
    apply_->setEnabled(true);
}

// Written even when nothing changed: confirming is what makes the values the new defaults.
void BackgroundLayerDialog::Write() {
    ws_.doc.state.backColor = working_.backColor;
    ws_.doc.state.lineColor = working_.lineColor;
    ws_.doc.state.borderLine = working_.borderLine;
    ws_.settings.docDefaults = working_;
    ws_.doc.CommitEdit(workspace::caption::kBackgroundLayerSettings, document::ChangeScope::Background);
}

void BackgroundLayerDialog::Apply() {
    Write();
    apply_->setEnabled(false);
}

void BackgroundLayerDialog::accept() {
    Write();
    QDialog::accept();
}

void BackgroundLayerDialog::done(int result) {
    openFlag_.Release();
    QDialog::done(result);
}

}  // namespace quillora::layers
