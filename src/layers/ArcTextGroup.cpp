#include "ArcTextGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSizePolicy>

#include "TextDialogIds.h"
#include "document/Limits.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/NumberField.h"

namespace quillora::layers {

using widgets::NumberField;
using widgets::WithId;

ArcTextGroup::ArcTextGroup(QWidget* parent) : QGroupBox(QStringLiteral("円弧に沿って配置"), parent) {
    WithId(this, text_dialog_id::kArc);
    setCheckable(true);
    radius_ = WithId(new NumberField(0, document::kMaxArcRadius, NumberField::DigitsOnly, this), text_dialog_id::kArcRadius);
    auto* fitRim = widgets::MakeButton(*this, QStringLiteral("外周に合わせる"), text_dialog_id::kArcFitRim);
    centreAngle_ = WithId(new NumberField(0, 360, NumberField::DigitsOnly, this), text_dialog_id::kArcCentreAngle);
    outside_ = WithId(new QRadioButton(QStringLiteral("外側"), this), text_dialog_id::kArcOutside);
    inside_ = WithId(new QRadioButton(QStringLiteral("内側"), this), text_dialog_id::kArcInside);
    auto* sides = new QButtonGroup(this);
    sides->addButton(outside_);
    sides->addButton(inside_);
    spacing_ = WithId(new NumberField(-document::kArcSpacingLimit, document::kArcSpacingLimit, NumberField::Signed, this),
                      text_dialog_id::kArcSpacing);
    cutNotice_ = WithId(new QLabel(QStringLiteral("一周に収まらない文字は表示されません。"), this), text_dialog_id::kArcCutNotice);
    // Shown or not, the notice keeps its line: the dialog's size is fixed.
    QSizePolicy keep = cutNotice_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    cutNotice_->setSizePolicy(keep);
    cutNotice_->hide();

    auto* grid = new QGridLayout(this);
    widgets::AddNumberRow(*grid, 0, 0, QStringLiteral("半径(&R)："), radius_, QStringLiteral("0.1mm"));
    grid->addWidget(fitRim, 0, 3, 1, 2);
    widgets::AddNumberRow(*grid, 1, 0, QStringLiteral("中心角(&G)："), centreAngle_, QStringLiteral("°"));
    auto* sideRow = new QHBoxLayout;
    sideRow->addWidget(outside_);
    sideRow->addWidget(inside_);
    sideRow->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("向き："), this), 2, 0);
    grid->addLayout(sideRow, 2, 1, 1, 4);
    widgets::AddNumberRow(*grid, 3, 0, QStringLiteral("文字間隔(&S)："), spacing_, QStringLiteral("0.1mm"));
    grid->addWidget(cutNotice_, 4, 0, 1, 5);
    grid->setColumnStretch(4, 1);

    connect(this, &QGroupBox::toggled, this, &ArcTextGroup::edited);
    for (NumberField* field : {radius_, centreAngle_, spacing_})
        connect(field, &NumberField::edited, this, &ArcTextGroup::edited);
    connect(sides, &QButtonGroup::buttonClicked, this, &ArcTextGroup::edited);
    connect(fitRim, &QPushButton::clicked, this, &ArcTextGroup::fitRimRequested);
}

void ArcTextGroup::Show(const document::TextArc& arc) {
    setChecked(arc.enabled != 0);
    radius_->SetValue(arc.radius);
    centreAngle_->SetValue(arc.centreAngle);
    (arc.side == static_cast<std::int32_t>(document::ArcSide::Inside) ? inside_ : outside_)->setChecked(true);
    spacing_->SetValue(arc.spacing);
}

document::TextArc ArcTextGroup::Shown() const {
    const auto side = inside_->isChecked() ? document::ArcSide::Inside : document::ArcSide::Outside;
    return {isChecked() ? 1 : 0, radius_->Value(), centreAngle_->Value(), static_cast<std::int32_t>(side),
            spacing_->Value()};
}

void ArcTextGroup::SetRadius(int radius) { radius_->SetValue(radius); }

void ArcTextGroup::ShowCut(bool cut) { cutNotice_->setVisible(cut); }

}  // namespace quillora::layers
