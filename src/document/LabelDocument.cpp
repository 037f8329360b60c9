#include "LabelDocument.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "text/FixedField.h"
#include "Limits.h"

namespace quillora::document {

namespace {
constexpr const char kListName[] = "\x83\x8a\x83\x58\x83\x67";  // リスト
constexpr const char kBackgroundName[] = "\x94\x77\x8c\x69";    // 背景
}  // namespace

LabelDocument::LabelDocument() { InitialiseAtStartup(); }

void LabelDocument::CommitEdit(const std::string& step, ChangeScope scope) {
    const bool modifies = Modifies(scope);
    if (modifies) documentModified = true;
    if (editObserver) editObserver(step, modifies);
    AnnounceChange(scope);
}

void LabelDocument::InitialiseAtStartup() {
    state = {};
    list = {};
    order = {};
    layers = {};
    for (auto& p : pictures) p.reset();
    documentOpen = false;
    documentModified = false;
    currentFileName.clear();
    selectedFileName.clear();
}

void LabelDocument::Create(const NewDocumentDefaults& defaults) {
    state.outerMm = header.outerDiameter;
    state.innerMm = header.innerDiameter;
    state.outerPx = header.outerDiameter * kViewPixelsPerMm;
    state.innerPx = header.innerDiameter * kViewPixelsPerMm;
    state.backColor = defaults.backColor;
    state.lineColor = defaults.lineColor;
    state.borderLine = defaults.borderLine;
    state.layerCount = 2;
    state.selectedPos = 1;
    state.firstVisiblePos = 0;
    state.isOpen = 1;

    layers[0] = {};
    layers[0].kind = LayerKind::List;
    layers[0].visible = 1;
    text::StoreField(layers[0].name, kListName);
    layers[1] = {};
    layers[1].kind = LayerKind::Background;
    layers[1].visible = 1;
    text::StoreField(layers[1].name, kBackgroundName);
    order[0] = 0;
    order[1] = 1;

    documentOpen = true;
    documentModified = false;
}

void LabelDocument::Reset() {
    documentOpen = false;
    documentModified = false;
    state = {};
    layers = {};
    for (auto& p : pictures) p.reset();
    order[0] = 0;
    for (int i = 0; i < kListEntries; ++i) {
        std::memset(list.entryText[i], 0, sizeof list.entryText[i]);
        std::memset(list.entryEditText[i], 0, sizeof list.entryEditText[i]);
    }
    RenumberListEntries();
    currentFileName.clear();
}

void LabelDocument::RenumberListEntries() {
    RenumberListLabels();
    for (int i = 0; i < kListEntries; ++i) list.entrySpacing[i] = list.defaultSpacing;
}

void LabelDocument::RenumberListLabels() {
    std::string_view separator = text::FieldView(list.numberSeparator);
    for (int i = 1; i <= kListEntries; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, (list.addZero == 1 && i <= 9) ? "0%d" : "%d", i);
        // A label that would not fit its 10 bytes is cut there; it never spills into the next entry.
        text::StoreField(list.entryNumber[i - 1], std::string(number) + std::string(separator));
    }
}

bool LabelDocument::CanAddLayer() const { return state.layerCount <= kMaxLayers - 1 && FindFreeSlot() > 0; }

int LabelDocument::FindFreeSlot() const {
    for (int slot = 1; slot < kMaxLayers; ++slot)
        if (layers[slot].kind == LayerKind::Free) return slot;
    return -1;
}

void LabelDocument::InsertAtSelection(int slot) {
    int count = SafeLayerCount();
    // A damaged selection never puts a layer below the background at count - 1.
    int s = std::clamp(state.selectedPos, 0, std::max(count - 1, 0));
    for (int i = kMaxLayers - 1; i > s; --i) order[i] = order[i - 1];
    order[s] = slot;
    state.selectedPos = s;
    state.layerCount = std::min(count + 1, kMaxLayers);
}

void LabelDocument::FreeSlotAt(int pos) {
    int slot = SlotAt(pos);
    if (slot < 0) return;
    layers[slot] = {};
    pictures[slot].reset();
    for (int i = pos; i < kMaxLayers - 1; ++i) order[i] = order[i + 1];
    state.layerCount = std::max(SafeLayerCount() - 1, 0);
    if (state.firstVisiblePos != 0) --state.firstVisiblePos;
}

bool LabelDocument::CanMove(int pos, MoveDirection d) const {
    if (!IsMovableKind(KindAt(pos))) return false;
    if (d == MoveDirection::Up) return pos != 0;
    return pos != SafeLayerCount() - 2;
}

bool LabelDocument::MoveLayer(int pos, MoveDirection d) {
    if (!CanMove(pos, d)) return false;
    int other = d == MoveDirection::Up ? pos - 1 : pos + 1;
    if (other < 0 || other >= SafeLayerCount()) return false;
    std::swap(order[pos], order[other]);
    state.selectedPos += d == MoveDirection::Up ? -1 : 1;
    return true;
}

int LabelDocument::CopyLayerRecord(int pos) {
    if (!IsCopyableKind(KindAt(pos)) || !CanAddLayer()) return -1;
    int source = SlotAt(pos);
    int slot = FindFreeSlot();
    layers[slot] = layers[source];
    // Pictures are never changed, only replaced: the copy shares the decoded pixels.
    pictures[slot] = pictures[source];
    InsertAtSelection(slot);
    return slot;
}

int LabelDocument::SafeLayerCount() const { return std::clamp(state.layerCount, 0, kMaxLayers); }

int LabelDocument::SafeSelectedPos() const {
    int count = SafeLayerCount();
    if (count == 0) return -1;
    return std::clamp(state.selectedPos, 0, count - 1);
}

int LabelDocument::SlotAt(int pos) const {
    if (pos < 0 || pos >= SafeLayerCount()) return -1;
    int slot = order[pos];
    return (slot >= 0 && slot < kMaxLayers) ? slot : -1;
}

const LayerRecord* LabelDocument::LayerAt(int pos) const {
    int slot = SlotAt(pos);
    return slot < 0 ? nullptr : &layers[slot];
}

LayerKind LabelDocument::KindAt(int pos) const {
    const LayerRecord* layer = LayerAt(pos);
    return layer ? layer->kind : LayerKind::Free;
}

int LabelDocument::SafeOuterMm() const { return std::clamp(state.outerMm, kMinDiameterMm, kMaxDiameterMm); }
int LabelDocument::SafeInnerMm() const { return std::clamp(state.innerMm, kMinDiameterMm, kMaxDiameterMm); }

int LabelDocument::ListEntryCount() const {
    int n = 0;
    while (n < kListEntries && list.entryText[n][0] != '\0') ++n;
    return n;
}

void SetLayerName(LayerRecord& layer, const char* bytes, std::size_t length) {
    text::StoreField(layer.name, std::string_view(bytes, length), 49);
}

}  // namespace quillora::document
