#include "ListDetailsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstring>

#include "SpacingField.h"
#include "canvas/RecordText.h"
#include "listlayer/ListSheetIds.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "widgets/ControlId.h"
#include "widgets/Cp932TextValidator.h"
#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "widgets/NumberField.h"

namespace quillora::listlayer {
namespace {
constexpr int kSeparatorBytes = 9;
}

ListDetailsDialog::ListDetailsDialog(document::ListBlock& list, workspace::Interaction& interaction, QWidget* parent)
    : QDialog(parent), list_(list) {
    setWindowTitle(QStringLiteral("ﾘｽﾄﾚｲﾔｰの詳細設定"));
    printNumbers_ = new QCheckBox(QStringLiteral("番号を印刷する(&N)"), this);
    widgets::WithId(printNumbers_, list_sheet_id::kPrintNumbers);
    addZero_ = new QCheckBox(QStringLiteral("1桁番号の前に0を付ける(&A)"), this);
    widgets::WithId(addZero_, list_sheet_id::kAddZero);
    separator_ = new QLineEdit(this);
    widgets::WithId(separator_, list_sheet_id::kSeparator);
    separator_->setValidator(new widgets::Cp932TextValidator(kSeparatorBytes, [&interaction] { interaction.Beep(); }, separator_));
    defaultSpacing_ = NewSpacingField(widgets::NumberField::Signed, this);
    widgets::WithId(defaultSpacing_, list_sheet_id::kDefaultSpacing);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printNumbers_);
    layout->addWidget(addZero_);
    auto* grid = new QGridLayout;
    auto* separatorLabel = new QLabel(QStringLiteral("番号の区切り文字(&T)："), this);
    separatorLabel->setBuddy(separator_);
    grid->addWidget(separatorLabel, 0, 0);
    grid->addWidget(separator_, 0, 1);
    widgets::AddNumberRow(*grid, 1, 0, QStringLiteral("間隔のﾃﾞﾌｫﾙﾄ値(&R)："), defaultSpacing_, QStringLiteral("mm"));
    layout->addLayout(grid);
    widgets::AddDialogButtons(*this, *layout, QString(), 0);

    printNumbers_->setChecked(list.printNumbers != 0);
    addZero_->setChecked(list.addZero != 0);
    separator_->setText(canvas::FieldToQString(list.numberSeparator));
    defaultSpacing_->SetValue(list.defaultSpacing);
    // No template size is known for it: fixed at what its contents need.
    widgets::FixDialogSize(*this, 0, 0);
}

void ListDetailsDialog::accept() {
    list_.printNumbers = printNumbers_->isChecked() ? 1 : 0;
    list_.addZero = addZero_->isChecked() ? 1 : 0;
    std::memset(list_.numberSeparator, 0, sizeof list_.numberSeparator);
    // The validator keeps the field within code page 932 and its 9 bytes.
    text::StoreField(list_.numberSeparator, text::Utf8ToCp932(separator_->text().toStdString()).value_or(std::string()),
                     kSeparatorBytes);
    list_.defaultSpacing = defaultSpacing_->Value();
    QDialog::accept();
}

}  // namespace quillora::listlayer
