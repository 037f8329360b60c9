#include "ListSlots.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "text/FixedField.h"
#include "document/Limits.h"

namespace quillora::listlayer {
namespace {

void CopyEntry(document::ListBlock& list, int from, int to) {
    std::memcpy(list.entryText[to], list.entryText[from], sizeof list.entryText[to]);
    std::memcpy(list.entryEditText[to], list.entryEditText[from], sizeof list.entryEditText[to]);
    list.entrySpacing[to] = list.entrySpacing[from];
}

}  // namespace

void InsertEntry(document::ListBlock& list, int slot, std::string_view text, int spacing) {
    for (int i = document::kListEntries - 1; i > slot; --i) CopyEntry(list, i - 1, i);
    text::StoreField(list.entryEditText[slot], text, document::kEntryTextBytes);
    text::StoreField(list.entryText[slot], text, document::kEntryTextBytes);
    list.entrySpacing[slot] = spacing;
}

void RemoveEntry(document::ListBlock& list, int slot) {
    constexpr int last = document::kListEntries - 1;
    for (int i = slot; i < last; ++i) CopyEntry(list, i + 1, i);
    std::memset(list.entryText[last], 0, sizeof list.entryText[last]);
    std::memset(list.entryEditText[last], 0, sizeof list.entryEditText[last]);
    list.entrySpacing[last] = list.defaultSpacing;
}

void SwapEntries(document::ListBlock& list, int a, int b) {
    std::swap(list.entryText[a], list.entryText[b]);
    std::swap(list.entryEditText[a], list.entryEditText[b]);
    std::swap(list.entrySpacing[a], list.entrySpacing[b]);
}

void SetAllSpacings(document::ListBlock& list, int spacing) { std::fill(std::begin(list.entrySpacing), std::end(list.entrySpacing), spacing); }

bool HasEntries(const document::ListBlock& list) {
    for (int i = 0; i < document::kListEntries; ++i)
        if (list.entryText[i][0] != '\0' || list.entryEditText[i][0] != '\0') return true;
    return false;
}

}  // namespace quillora::listlayer
