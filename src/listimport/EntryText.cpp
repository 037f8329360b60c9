#include "EntryText.h"

#include <algorithm>
#include <optional>

#include "AccentFolding.h"
#include "text/Utf8.h"
#include "text/Cp932.h"
#include "document/Limits.h"

namespace quillora::listimport {
namespace {

// Converts character by character, replacing what the code page lacks.
std::string ConvertReplacing(std::string_view utf8, bool& replaced) {
    std::string out;
    for (char32_t cp : text::DecodeUtf8(utf8)) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (auto bytes = text::Utf8ToCp932(text::EncodeUtf8(cp))) {
            out += *bytes;
        } else if (const char base = BaseLetterOf(cp)) {
            out += base;
            replaced = true;
        } else {
            if (!IsCombiningMark(cp)) out += '?';
            replaced = true;
        }
    }
    return out;
}

}  // namespace

EntryText ToEntryText(std::string_view utf8) {
    std::string line(utf8);
    // Control characters would break the line, or end the stored text early (NUL).
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    EntryText entry;
    std::optional<std::string> whole = text::Utf8ToCp932(line);
    std::string converted = whole ? std::move(*whole) : ConvertReplacing(line, entry.charactersReplaced);
    entry.cp932 = text::CutCp932(converted, document::kEntryTextBytes);
    entry.cut = entry.cp932.size() < converted.size();
    return entry;
}

}  // namespace quillora::listimport
