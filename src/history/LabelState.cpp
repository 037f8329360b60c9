#include "history/LabelState.h"

namespace quillora::history {

std::shared_ptr<const LabelState> CaptureState(const document::LabelDocument& doc) {
    auto captured = std::make_shared<LabelState>();
    captured->header = doc.header;
    captured->state = doc.state;
    captured->list = doc.list;
    captured->order = doc.order;
    captured->layers = doc.layers;
    captured->pictures = doc.pictures;
    return captured;
}

LayerView ViewOf(const document::LabelDocument& doc) {
    return {doc.state.selectedPos, doc.state.firstVisiblePos};
}

void RestoreState(const LabelState& from, const LayerView& view, document::LabelDocument& doc) {
    doc.header = from.header;
    doc.state = from.state;
    doc.list = from.list;
    doc.order = from.order;
    doc.layers = from.layers;
    doc.pictures = from.pictures;
    doc.state.selectedPos = view.selectedPos;
    doc.state.firstVisiblePos = view.firstVisiblePos;
}

}  // namespace quillora::history
