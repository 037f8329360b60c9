#pragma once
// Undo and redo of every edit of the label. The history watches the document's edits and keeps
// the label as the last step (or New, Open, Close) left it, so each edit becomes one step from
// that state to the new one.
#include <QString>
#include <QUndoStack>
#include <cstddef>
#include <memory>
#include <string>

#include "document/LabelDocument.h"
#include "history/LabelState.h"

namespace quillora::history {

class EditHistory {
public:
    static constexpr int kStepLimit = 100;

    explicit EditHistory(document::LabelDocument& doc);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // An empty history from the label as it is now, which counts as saved: New, Open, Close.
    void Restart();
    // The label as it is now is the one on disk.
    void MarkSaved();

    bool CanUndo() const { return stack_.canUndo(); }
    bool CanRedo() const { return stack_.canRedo(); }
    // The names of the steps undo and redo would take back or make again.
    QString UndoStep() const { return stack_.undoText(); }
    QString RedoStep() const { return stack_.redoText(); }
    void Undo();
    void Redo();

    int StepCount() const { return stack_.count(); }
    // Memory of the states kept, pictures aside: each state is held once however many steps share it.
    std::size_t StateBytes() const;

private:
    void Record(const std::string& step, bool modifies);
    void Show(const std::shared_ptr<const LabelState>& state, const LayerView& view);
    void AfterMove();
    bool ModifiedSinceSaved() const;

    document::LabelDocument& doc_;
    QUndoStack stack_;
    std::shared_ptr<const LabelState> current_;
    LayerView view_;  // where the layer window stands now
};

}  // namespace quillora::history
