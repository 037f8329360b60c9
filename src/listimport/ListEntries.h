#pragma once
// Putting imported entries into the list layer.
#include <string>
#include <vector>

#include "document/Records.h"

namespace quillora::listimport {

struct ApplyResult {
    int entriesSet = 0;               // slots 0 .. entriesSet - 1 now hold the entries
    int leftOut = 0;                  // entries beyond the list's 50 slots
    bool charactersReplaced = false;  // some character had no code page 932 form
    bool textsCut = false;            // some entry was longer than 255 bytes
};

// Replaces the whole list with `utf8Entries` from slot 0: both texts of every slot, the spacing
// set to the list's default spacing, the slots after the entries emptied. The number labels
// stay as they are. Empty entries are passed over (an empty text would end the list).
ApplyResult ApplyEntries(document::ListBlock& list, const std::vector<std::string>& utf8Entries);

}  // namespace quillora::listimport
