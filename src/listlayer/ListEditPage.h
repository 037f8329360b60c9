#pragma once
// "ﾘｽﾄ編集": the 50 slots in a list view, the entry and spacing fields, and the buttons that
// add, delete and move entries, set every spacing, change the numbering and fill the list from
// a file or a music folder. Edits go into the list at once; the sheet's snapshot undoes them.
#include <optional>
#include <string>
#include <vector>

#include "widgets/PropertyPage.h"
#include "workspace/Workspace.h"

class QTableWidget;

namespace quillora::widgets {
class NumberField;
}

namespace quillora::listlayer {

class EntryTextEdit;

class ListEditPage : public widgets::PropertyPage {
    Q_OBJECT
public:
    ListEditPage(workspace::Workspace& ws, QWidget* parent);

    // Nothing to write: the edits are in the list already.
    void Apply() override {}

    // The selected slot, -1 when none.
    int SelectedSlot() const;
    void SelectSlot(int slot);

    void AddEntry();
    void DeleteEntry();
    void MoveEntryUp();
    void MoveEntryDown();
    void SetAllSpacings();
    void EditDetails();
    void ImportListFile();
    void ImportAudioFolder();

private:
    void Refill();
    void LoadSelectedEntry();
    void FocusEntry();
    void CloseEdit();
    // The list after an import: its first entry selected, the entry field closed.
    void ShowImported();

    workspace::Workspace& ws_;
    QTableWidget* view_;
    EntryTextEdit* entry_;
    widgets::NumberField* spacing_;
};

}  // namespace quillora::listlayer
