#include "BulkSpacingDialog.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "SpacingField.h"
#include "listlayer/ListSheetIds.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/DialogSize.h"
#include "widgets/NumberField.h"

namespace quillora::listlayer {

BulkSpacingDialog::BulkSpacingDialog(document::ListBlock& list, workspace::Interaction& interaction, QWidget* parent)
    : QDialog(parent), list_(list), interaction_(interaction) {
    setWindowTitle(QStringLiteral("間隔の一括設定"));
    spacing_ = NewSpacingField(widgets::NumberField::Signed, this);
    widgets::WithId(spacing_, list_sheet_id::kBulkSpacingValue);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    widgets::AddNumberRow(*grid, 0, 0, QStringLiteral("間隔(&M)："), spacing_, QStringLiteral("mm"));
    layout->addLayout(grid);
    widgets::AddDialogButtons(*this, *layout, QString(), 0);
    spacing_->SetValue(list.defaultSpacing);
    // No template size is known for it: fixed at what its contents need.
    widgets::FixDialogSize(*this, 0, 0);
}

void BulkSpacingDialog::accept() {
    const int spacing = spacing_->Value();
    const QString question = QStringLiteral("全ﾘｽﾄﾃﾞｰﾀの間隔を%1mmに設定します。よろしいですか？").arg(spacing);
    if (interaction_.ShowMessage({this, question, QStringLiteral("確認"), workspace::MessageIcon::Question,
                                  workspace::MessageButtons::YesNo, workspace::Answer::Yes}) != workspace::Answer::Yes)
        return;
    list_.defaultSpacing = spacing;
    QDialog::accept();
}

}  // namespace quillora::listlayer
