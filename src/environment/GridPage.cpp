#include "GridPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "environment/EnvironmentIds.h"
#include "widgets/ColourChooser.h"
#include "widgets/ColourSwatch.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/NumberField.h"

namespace quillora::environment {
namespace {

using settings::GridLineType;

// The list offers two lines: 実線 and 破線 (dotted); any other stored line shows no choice.
int ListIndexOf(std::int32_t stored) {
    const std::optional<GridLineType> type = settings::KnownGridLineType(stored);
    if (!type) return -1;
    switch (*type) {
    case GridLineType::Solid: return 0;
    case GridLineType::Dot: return 1;
    case GridLineType::Dash:
    case GridLineType::DashDot:
    case GridLineType::DashDotDot:
    case GridLineType::None: return -1;
    }
    return -1;
}

}  // namespace

GridPage::GridPage(workspace::Workspace& ws, QWidget* parent)
    : PropertyPage(parent), ws_(ws), colour_(ws.settings.grid.color) {
    const settings::GridSettings& grid = ws.settings.grid;
    visible_ = new QCheckBox(QStringLiteral("ｸﾞﾘｯﾄﾞを表示(&G)"), this);
    widgets::WithId(visible_, environment_id::kGridVisible);
    swatch_ = new widgets::ColourSwatch(this);
    widgets::WithId(swatch_, environment_id::kGridColour);
    auto* colourButton = new QPushButton(QStringLiteral("変更(&C)..."), this);
    widgets::WithId(colourButton, environment_id::kChooseGridColour);
    lineType_ = new QComboBox(this);
    widgets::WithId(lineType_, environment_id::kGridLineType);
    lineType_->addItems({QStringLiteral("実線"), QStringLiteral("破線")});
    spacing_ = new widgets::NumberField(settings::kMinGridSpacing, settings::kMaxGridSpacing, widgets::NumberField::DigitsOnly, this);
    widgets::WithId(spacing_, environment_id::kGridSpacing);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(visible_);
    auto* rows = new QGridLayout;
    rows->addWidget(new QLabel(QStringLiteral("色："), this), 0, 0);
    rows->addWidget(swatch_, 0, 1);
    rows->addWidget(colourButton, 0, 2);
    auto* typeLabel = new QLabel(QStringLiteral("線種(&L)："), this);
    typeLabel->setBuddy(lineType_);
    rows->addWidget(typeLabel, 1, 0);
    rows->addWidget(lineType_, 1, 1, 1, 2);
    widgets::AddNumberRow(*rows, 2, 0, QStringLiteral("間隔(&S)："), spacing_, QStringLiteral("mm"));
    layout->addLayout(rows);
    layout->addStretch(1);

    visible_->setChecked(grid.visible != 0);
    spacing_->SetValue(grid.spacing);
    swatch_->SetColour(colour_);
    // Any other stored type shows no line type.
    lineType_->setCurrentIndex(ListIndexOf(grid.lineType));

    connect(visible_, &QCheckBox::clicked, this, &GridPage::changed);
    connect(lineType_, &QComboBox::activated, this, &GridPage::changed);
    connect(spacing_, &widgets::NumberField::edited, this, &GridPage::changed);
    connect(colourButton, &QPushButton::clicked, this, [this] {
        if (widgets::ChooseSwatchColour(ws_.interaction, this, colour_, *swatch_, true)) emit changed();
    });
}

void GridPage::Apply() {
    settings::GridSettings& grid = ws_.settings.grid;
    grid.visible = visible_->isChecked() ? 1 : 0;
    grid.spacing = std::clamp(spacing_->Value(), settings::kMinGridSpacing, settings::kMaxGridSpacing);
    grid.color = colour_;
    grid.lineType = static_cast<std::int32_t>(lineType_->currentIndex() == 0 ? GridLineType::Solid : GridLineType::Dot);
    ws_.doc.AnnounceChange(document::ChangeScope::Grid);
}

}  // namespace quillora::environment
