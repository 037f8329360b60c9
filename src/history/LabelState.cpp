#include "history/LabelState.h"

#include <cstring>

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

namespace {

template <typename T>
bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The state without what the windows move on their own.
document::DocState WithoutWindows(document::DocState state) {
    state.viewOriginX = state.viewOriginY = state.scrollX = state.scrollY = 0;
    state.selectedPos = state.firstVisiblePos = 0;
    return state;
}

}  // namespace

bool SameLabel(const LabelState& a, const LabelState& b) {
    return SameBytes(a.header, b.header) && SameBytes(WithoutWindows(a.state), WithoutWindows(b.state)) &&
           SameBytes(a.list, b.list) && SameBytes(a.order, b.order) && SameBytes(a.layers, b.layers) &&
           a.pictures == b.pictures;
}

LayerView ViewOf(const document::LabelDocument& doc) {
    return {doc.state.selectedPos, doc.state.firstVisiblePos};
}

void RestoreState(const LabelState& from, const LayerView& view, document::LabelDocument& doc) {
    // The label's place in the window and its scroll belong to the window as it is now: a state
    // kept before the window took its size holds stale ones.
    const document::DocState window = doc.state;
    doc.header = from.header;
    doc.state = from.state;
    doc.state.viewOriginX = window.viewOriginX;
    doc.state.viewOriginY = window.viewOriginY;
    doc.state.scrollX = window.scrollX;
    doc.state.scrollY = window.scrollY;
    doc.list = from.list;
    doc.order = from.order;
    doc.layers = from.layers;
    doc.pictures = from.pictures;
    doc.state.selectedPos = view.selectedPos;
    doc.state.firstVisiblePos = view.firstVisiblePos;
}

}  // namespace quillora::history
