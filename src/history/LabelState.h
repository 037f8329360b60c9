#pragma once
// The whole label as one step of the edit history leaves it: every record, the selection and the
// layer window's scroll position (both in DocState), and the pictures, shared rather than copied.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "document/LabelDocument.h"

namespace quillora::history {

struct LabelState {
    document::DocHeader header{};
    document::DocState state{};
    document::ListBlock list{};
    document::LayerOrder order{};
    std::array<document::LayerRecord, document::kMaxLayers> layers{};
    std::array<std::shared_ptr<const document::Picture>, document::kMaxLayers> pictures;
};

// True when the label and its pictures are the same in both, wherever the windows stand.
bool SameLabel(const LabelState& a, const LabelState& b);

// Where the layer window stood: it moves without making a step, so a step keeps the place it had
// just before it.
struct LayerView {
    std::int32_t selectedPos = 0;
    std::int32_t firstVisiblePos = 0;
};

LayerView ViewOf(const document::LabelDocument& doc);

std::shared_ptr<const LabelState> CaptureState(const document::LabelDocument& doc);
// The records of a state, with the layer window placed at `view`; the label's place and scroll
// in the label window stay as they are.
void RestoreState(const LabelState& from, const LayerView& view, document::LabelDocument& doc);

}  // namespace quillora::history
