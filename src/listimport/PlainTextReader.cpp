#include "PlainTextReader.h"

#include "TextDecoding.h"
#include "TextLines.h"

namespace quillora::listimport {

std::vector<std::string> ReadPlainTextEntries(std::string_view bytes) {
    const std::string text = DecodeTextBytes(bytes);
    std::vector<std::string> entries;
    for (std::string_view line : SplitLines(text))
        if (std::string_view entry = Trimmed(line); !entry.empty()) entries.emplace_back(entry);
    return entries;
}

}  // namespace quillora::listimport
