#include "history/LabelStep.h"

namespace quillora::history {

LabelStep::LabelStep(const QString& name, std::shared_ptr<const LabelState> before, LayerView beforeView,
                     std::shared_ptr<const LabelState> after, bool modifies, Show show)
    : QUndoCommand(name), before_(std::move(before)), beforeView_(beforeView), after_(std::move(after)),
      modifies_(modifies), show_(std::move(show)) {}

void LabelStep::undo() {
    done_ = false;
    show_(before_, beforeView_);
}

void LabelStep::redo() {
    if (done_) return;
    show_(after_, {after_->state.selectedPos, after_->state.firstVisiblePos});
}

}  // namespace quillora::history
