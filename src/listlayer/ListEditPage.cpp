#include "ListEditPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "BulkSpacingDialog.h"
#include "EntryTextEdit.h"
#include "ListDetailsDialog.h"
#include "ListImport.h"
#include "ListSlots.h"
#include "SpacingField.h"
#include "canvas/RecordText.h"
#include "listlayer/ListSheetIds.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "widgets/ControlId.h"
#include "widgets/DialogParts.h"
#include "widgets/NumberField.h"

namespace quillora::listlayer {
namespace {

constexpr int kLastSlot = document::kListEntries - 1;

QPushButton* MakeButton(QWidget* parent, const QString& caption, int id) {
    return widgets::WithId(new QPushButton(caption, parent), id);
}

}  // namespace

ListEditPage::ListEditPage(workspace::Workspace& ws, QWidget* parent) : PropertyPage(parent), ws_(ws) {
    view_ = new QTableWidget(document::kListEntries, 3, this);
    widgets::WithId(view_, list_sheet_id::kListView);
    view_->setHorizontalHeaderLabels({QStringLiteral("番号"), QStringLiteral("ﾘｽﾄﾃﾞｰﾀ"), QStringLiteral("間隔")});
    view_->horizontalHeaderItem(2)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    view_->horizontalHeader()->setSectionsClickable(false);
    view_->verticalHeader()->hide();
    view_->setColumnWidth(0, 40);
    view_->setColumnWidth(1, 280);
    view_->setColumnWidth(2, 50);
    // The sheet takes the width of its widest page: the entries' column takes what is left.
    view_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setShowGrid(true);
    view_->setWordWrap(false);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
    view_->setMinimumSize(40 + 280 + 50 + view_->verticalScrollBar()->sizeHint().width() + 2 * view_->frameWidth(),
                          12 * (view_->fontMetrics().height() + 4));

    entry_ = new EntryTextEdit([&ws] { ws.interaction.Beep(); }, this);
    widgets::WithId(entry_, list_sheet_id::kEntryText);
    // Room for a few lines; the list above takes the rest.
    entry_->setFixedHeight(4 * entry_->fontMetrics().lineSpacing() + 2 * entry_->frameWidth() + 8);
    spacing_ = NewSpacingField(widgets::NumberField::DigitsOnly, this);
    widgets::WithId(spacing_, list_sheet_id::kEntrySpacing);

    auto* add = MakeButton(this, QStringLiteral("追加(&D)"), list_sheet_id::kAdd);
    auto* remove = MakeButton(this, QStringLiteral("削除(&E)"), list_sheet_id::kDelete);
    auto* up = MakeButton(this, QStringLiteral("↑(&U)"), list_sheet_id::kUp);
    auto* down = MakeButton(this, QStringLiteral("↓(&O)"), list_sheet_id::kDown);
    auto* bulk = MakeButton(this, QStringLiteral("間隔設定(&I)..."), list_sheet_id::kBulkSpacing);
    auto* details = MakeButton(this, QStringLiteral("詳細設定(&T)..."), list_sheet_id::kDetails);
    auto* importFile = MakeButton(this, QStringLiteral("読み込み(&R)..."), list_sheet_id::kImportFile);
    auto* importFolder = MakeButton(this, QStringLiteral("ﾌｫﾙﾀﾞ(&F)..."), list_sheet_id::kImportFolder);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    auto* fields = new QGridLayout;
    auto* entryLabel = new QLabel(QStringLiteral("ﾘｽﾄﾃﾞｰﾀ(&L)："), this);
    entryLabel->setBuddy(entry_);
    fields->addWidget(entryLabel, 0, 0, Qt::AlignTop);
    fields->addWidget(entry_, 0, 1, 1, 2);
    widgets::AddNumberRow(*fields, 1, 0, QStringLiteral("間隔(&M)："), spacing_, QStringLiteral("mm"));
    layout->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, remove, up, down, bulk, details}) buttons->addWidget(button);
    layout->addLayout(buttons);
    auto* importRow = new QHBoxLayout;
    importRow->addStretch(1);
    importRow->addWidget(importFile);
    importRow->addWidget(importFolder);
    layout->addLayout(importRow);

    connect(add, &QPushButton::clicked, this, &ListEditPage::AddEntry);
    connect(remove, &QPushButton::clicked, this, &ListEditPage::DeleteEntry);
    connect(up, &QPushButton::clicked, this, &ListEditPage::MoveEntryUp);
    connect(down, &QPushButton::clicked, this, &ListEditPage::MoveEntryDown);
    connect(bulk, &QPushButton::clicked, this, &ListEditPage::SetAllSpacings);
    connect(details, &QPushButton::clicked, this, &ListEditPage::EditDetails);
    connect(importFile, &QPushButton::clicked, this, &ListEditPage::ImportListFile);
    connect(importFolder, &QPushButton::clicked, this, &ListEditPage::ImportAudioFolder);
    connect(view_, &QTableWidget::cellDoubleClicked, this, &ListEditPage::LoadSelectedEntry);

    Refill();
    SelectSlot(0);
    spacing_->SetValue(ws_.doc.list.defaultSpacing);
    FocusEntry();
}


int ListEditPage::SelectedSlot() const {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ListEditPage::SelectSlot(int slot) {
    if (slot < 0) return view_->clearSelection();
    view_->selectRow(slot);
    view_->scrollToItem(view_->item(slot, 0));
}

void ListEditPage::Refill() {
    const document::ListBlock& list = ws_.doc.list;
    view_->clearSelection();
    for (int i = 0; i < document::kListEntries; ++i) {
        view_->setItem(i, 0, new QTableWidgetItem(canvas::Cp932ToQString(text::FieldView(list.entryNumber[i]))));
        view_->setItem(i, 1, new QTableWidgetItem(canvas::Cp932ToQString(text::FieldView(list.entryEditText[i]))));
        auto* spacing = new QTableWidgetItem(QStringLiteral("%1mm").arg(list.entrySpacing[i]));
        spacing->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        view_->setItem(i, 2, spacing);
    }
}

void ListEditPage::FocusEntry() {
    entry_->selectAll();
    entry_->setFocus();
}

// The closing steps of every change: the entry ready for typing, and Apply enabled.
void ListEditPage::CloseEdit() {
    FocusEntry();
    emit changed();
}

void ListEditPage::LoadSelectedEntry() {
    const int slot = SelectedSlot();
    if (slot >= 0) {
        entry_->SetEntryBytes(text::FieldView(ws_.doc.list.entryEditText[slot]));
        spacing_->SetValue(ws_.doc.list.entrySpacing[slot]);
    } else {
        entry_->clear();
        spacing_->SetValue(ws_.doc.list.defaultSpacing);
    }
    FocusEntry();
}

void ListEditPage::AddEntry() {
    const std::string text = entry_->EntryBytes();
    if (text.empty()) return ws_.interaction.Beep();
    int slot = std::max(SelectedSlot(), 0);
    InsertEntry(ws_.doc.list, slot, text, spacing_->Value());
    // The selection follows the entry that was selected, so repeated adds keep typing order.
    if (slot < kLastSlot) ++slot;
    spacing_->SetValue(ws_.doc.list.defaultSpacing);
    Refill();
    SelectSlot(slot);
    entry_->clear();
    entry_->setFocus();
    emit changed();
}

void ListEditPage::DeleteEntry() {
    const int slot = SelectedSlot();
    if (slot < 0) return ws_.interaction.Beep();
    RemoveEntry(ws_.doc.list, slot);
    spacing_->SetValue(ws_.doc.list.defaultSpacing);
    Refill();
    SelectSlot(std::max(slot - 1, 0));
    entry_->clear();
    entry_->setFocus();
    emit changed();
}

void ListEditPage::MoveEntryUp() {
    const int slot = SelectedSlot();
    if (slot <= 0) return ws_.interaction.Beep();
    SwapEntries(ws_.doc.list, slot - 1, slot);
    Refill();
    SelectSlot(slot - 1);
    CloseEdit();
}

void ListEditPage::MoveEntryDown() {
    const int slot = SelectedSlot();
    if (slot < 0 || slot >= kLastSlot) return ws_.interaction.Beep();
    SwapEntries(ws_.doc.list, slot, slot + 1);
    Refill();
    SelectSlot(slot + 1);
    CloseEdit();
}

void ListEditPage::SetAllSpacings() {
    const int slot = SelectedSlot();
    BulkSpacingDialog dialog(ws_.doc.list, ws_.interaction, this);
    if (ws_.interaction.RunDialog(dialog) != QDialog::Accepted) return;
    listlayer::SetAllSpacings(ws_.doc.list, ws_.doc.list.defaultSpacing);
    spacing_->SetValue(ws_.doc.list.defaultSpacing);
    Refill();
    SelectSlot(slot);
    CloseEdit();
}

void ListEditPage::EditDetails() {
    const int slot = SelectedSlot();
    ListDetailsDialog dialog(ws_.doc.list, ws_.interaction, this);
    if (ws_.interaction.RunDialog(dialog) != QDialog::Accepted) return;
    ws_.doc.RenumberListLabels();
    spacing_->SetValue(ws_.doc.list.defaultSpacing);
    Refill();
    SelectSlot(slot);
    CloseEdit();
}

void ListEditPage::ImportListFile() {
    if (listlayer::ImportListFile(ws_, this)) ShowImported();
}

void ListEditPage::ImportAudioFolder() {
    if (listlayer::ImportAudioFolder(ws_, this)) ShowImported();
}

void ListEditPage::ShowImported() {
    spacing_->SetValue(ws_.doc.list.defaultSpacing);
    Refill();
    SelectSlot(0);
    CloseEdit();
    emit changed();
}

}  // namespace quillora::listlayer
