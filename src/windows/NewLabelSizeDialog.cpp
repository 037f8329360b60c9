#include "windows/NewLabelSizeDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "widgets/NumberField.h"
#include "document/Limits.h"

namespace quillora::windows {
namespace {

constexpr int kWidthDu = 150;
constexpr int kHeightDu = 60;

widgets::NumberField* AddDiameterRow(QGridLayout& grid, int row, const char* caption, int id, int value,
                            QWidget* parent) {
    auto* field = new widgets::NumberField(document::kMinDiameterMm, document::kMaxDiameterMm, widgets::NumberField::DigitsOnly, parent);
    widgets::WithId(field, id);
    field->SetValue(value);
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setBuddy(field->Edit());
    grid.addWidget(label, row, 0);
    grid.addWidget(field, row, 1);
    grid.addWidget(new QLabel(QStringLiteral("mm"), parent), row, 2);
    return field;
}

}  // namespace

int LimitDiameter(int typed) { return std::clamp(typed, document::kMinDiameterMm, document::kMaxDiameterMm); }

NewLabelSizeDialog::NewLabelSizeDialog(document::DocHeader& header, QWidget* parent)
    : QDialog(parent), header_(header) {
    setWindowTitle(QString::fromUtf8("新規作成"));
    auto* group = new QGroupBox(QString::fromUtf8("ﾗﾍﾞﾙｻｲｽﾞ"), this);
    auto* grid = new QGridLayout(group);
    outer_ = AddDiameterRow(*grid, 0, "外径(&O)：", new_label_id::kOuter, header.outerDiameter, group);
    inner_ = AddDiameterRow(*grid, 1, "内径(&I)：", new_label_id::kInner, header.innerDiameter, group);

    const widgets::DialogButtons okCancel = widgets::MakeOkCancel(*this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(widgets::ButtonColumn({okCancel.ok, okCancel.cancel}));
    widgets::FixDialogSize(*this, kWidthDu, kHeightDu);
    okCancel.ok->setFocus();
}

void NewLabelSizeDialog::accept() {
    // A value of 0 and a non-number read alike, and both become 1.
    header_.outerDiameter = LimitDiameter(outer_->Value());
    header_.innerDiameter = LimitDiameter(inner_->Value());
    QDialog::accept();
}

bool AskNewLabelSize(workspace::Workspace& ws) {
    NewLabelSizeDialog dialog(ws.doc.header, ws.frame);
    return ws.interaction.RunDialog(dialog) == QDialog::Accepted;
}

}  // namespace quillora::windows
