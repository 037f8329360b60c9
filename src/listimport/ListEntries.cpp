#include "ListEntries.h"

#include "EntryText.h"
#include "text/FixedField.h"

namespace quillora::listimport {

ApplyResult ApplyEntries(document::ListBlock& list, const std::vector<std::string>& utf8Entries) {
    ApplyResult result;
    for (const std::string& utf8 : utf8Entries) {
        if (result.entriesSet == document::kListEntries) {
            if (!utf8.empty()) ++result.leftOut;
            continue;
        }
        const EntryText entry = ToEntryText(utf8);
        if (entry.cp932.empty()) continue;
        const int slot = result.entriesSet++;
        text::StoreField(list.entryText[slot], entry.cp932);
        text::StoreField(list.entryEditText[slot], entry.cp932);
        result.charactersReplaced |= entry.charactersReplaced;
        result.textsCut |= entry.cut;
    }
    for (int slot = result.entriesSet; slot < document::kListEntries; ++slot) {
        text::StoreField(list.entryText[slot], "");
        text::StoreField(list.entryEditText[slot], "");
    }
    for (std::int32_t& spacing : list.entrySpacing) spacing = list.defaultSpacing;
    return result;
}

}  // namespace quillora::listimport
