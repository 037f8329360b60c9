#include "history/EditHistory.h"

#include <algorithm>
#include <unordered_set>

#include "history/LabelStep.h"

namespace quillora::history {

EditHistory::EditHistory(document::LabelDocument& doc) : doc_(doc), current_(CaptureState(doc)) {
    stack_.setUndoLimit(kStepLimit);
    doc_.editObserver = [this](const std::string& step, bool modifies) { Record(step, modifies); };
    doc_.viewObserver = [this] { view_ = ViewOf(doc_); };
}

EditHistory::~EditHistory() {
    doc_.editObserver = nullptr;
    doc_.viewObserver = nullptr;
}

void EditHistory::Restart() {
    stack_.clear();
    stack_.setClean();
    current_ = CaptureState(doc_);
    view_ = ViewOf(doc_);
}

void EditHistory::MarkSaved() { stack_.setClean(); }

void EditHistory::Record(const std::string& step, bool modifies) {
    std::shared_ptr<const LabelState> after = CaptureState(doc_);
    // A dialog closed with OK but nothing changed makes no step and no change to save.
    if (SameLabel(*after, *current_)) {
        doc_.documentModified = ModifiedSinceSaved();
        return;
    }
    // Pushing drops the steps that were undone; the first redo it runs has nothing to do.
    stack_.push(new LabelStep(QString::fromStdString(step), current_, view_, after, modifies,
                              [this](const std::shared_ptr<const LabelState>& state, const LayerView& view) {
                                  Show(state, view);
                              }));
    current_ = std::move(after);
    view_ = ViewOf(doc_);
}

void EditHistory::Show(const std::shared_ptr<const LabelState>& state, const LayerView& view) {
    RestoreState(*state, view, doc_);
    current_ = state;
    view_ = view;
}

void EditHistory::Undo() {
    if (!CanUndo()) return;
    stack_.undo();
    AfterMove();
}

void EditHistory::Redo() {
    if (!CanRedo()) return;
    stack_.redo();
    AfterMove();
}

// Runs once the stack has moved, so that the views see its new position.
void EditHistory::AfterMove() {
    doc_.documentModified = ModifiedSinceSaved();
    doc_.AnnounceChange(document::ChangeScope::Whole);
}

// The saved state itself, or one that only steps needing no save lie between, is unmodified.
bool EditHistory::ModifiedSinceSaved() const {
    const int saved = stack_.cleanIndex();
    if (saved < 0) return true;
    const int from = std::min(saved, stack_.index());
    const int to = std::max(saved, stack_.index());
    for (int i = from; i < to; ++i)
        if (static_cast<const LabelStep*>(stack_.command(i))->Modifies()) return true;
    return false;
}

std::size_t EditHistory::StateBytes() const {
    std::unordered_set<const LabelState*> held{current_.get()};
    for (int i = 0; i < stack_.count(); ++i) {
        const auto* step = static_cast<const LabelStep*>(stack_.command(i));
        held.insert(step->Before());
        held.insert(step->After());
    }
    return held.size() * sizeof(LabelState);
}

}  // namespace quillora::history
