#pragma once
// The list edit page's operations on the 50 slots. An entry is both texts and the spacing of a
// slot; the number labels belong to the slots and never move with the entries.
#include <string_view>

#include "document/Records.h"

namespace quillora::listlayer {

// Moves the entries of slots `slot`..48 one slot down (slot 49's entry is lost) and stores the
// new entry in `slot`.
void InsertEntry(document::ListBlock& list, int slot, std::string_view text, int spacing);
// Moves the entries after `slot` one slot up; slot 49 becomes empty with the default spacing.
void RemoveEntry(document::ListBlock& list, int slot);
void SwapEntries(document::ListBlock& list, int a, int b);
void SetAllSpacings(document::ListBlock& list, int spacing);
// True when any slot holds a text.
bool HasEntries(const document::ListBlock& list);

}  // namespace quillora::listlayer
