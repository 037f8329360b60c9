#pragma once
// One step of the edit history: the label before and after it. A state is shared by the two
// steps it lies between, so the history holds one state per step.
#include <QUndoCommand>
#include <functional>
#include <memory>

#include "history/LabelState.h"

namespace quillora::history {

class LabelStep : public QUndoCommand {
public:
    using Show = std::function<void(const std::shared_ptr<const LabelState>&, const LayerView&)>;

    LabelStep(const QString& name, std::shared_ptr<const LabelState> before, LayerView beforeView,
              std::shared_ptr<const LabelState> after, bool modifies, Show show);

    void undo() override;
    void redo() override;

    // False for a step that, made on a saved label, leaves it needing no save (a lamp).
    bool Modifies() const { return modifies_; }
    const LabelState* Before() const { return before_.get(); }
    const LabelState* After() const { return after_.get(); }

private:
    std::shared_ptr<const LabelState> before_;
    LayerView beforeView_;
    std::shared_ptr<const LabelState> after_;
    bool modifies_;
    Show show_;
    bool done_ = true;  // pushed after the edit was made: the first redo has nothing to do
};

}  // namespace quillora::history
