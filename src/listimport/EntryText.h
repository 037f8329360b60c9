#pragma once
// One entry's text as the list stores it: code page 932, one line, at most 255 bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace quillora::listimport {

struct EntryText {
    std::string cp932;
    bool charactersReplaced = false;  // an accent dropped, or a character turned into "?"
    bool cut = false;                 // longer than 255 bytes
};

// Characters code page 932 cannot hold lose their accents (é -> e) or become "?"; control
// characters (line breaks, tabs) become spaces; the text is cut at 255 bytes without splitting
// a double-byte character.
EntryText ToEntryText(std::string_view utf8);

}  // namespace quillora::listimport
