#include "AccentFolding.h"

#include <string_view>

namespace quillora::listimport {
namespace {

// Generated from the Unicode character database: position i of a row holds the base letter of
// the code point at the row's start + i, or "." when it has none.
struct Block {
    char32_t first;
    std::string_view letters;
};

constexpr std::string_view kLatin =
    "AAAAAA.CEEEEIIII.NOOOOO..UUUUY..aaaaaa.ceeeeiiii.nooooo..uuuuy.y"  // U+00C0
    "AaAaAaCcCcCcCcDd..EeEeEeEeEeGgGgGgGgHh..IiIiIiIiI...JjKk.LlLlLl."  // U+0100
    "...NnNnNn...OoOoOo..RrRrRrSsSsSsSsTtTt..UuUuUuUuUuUuWwYyYZzZzZz."  // U+0140
    "................................Oo.............Uu..............."  // U+0180
    ".............AaIiOoUuUuUuUuUu.AaAa....GgKkOoOo..j...Gg..NnAa...."  // U+01C0
    "AaAaEeEeIiIiOoOoRrRrUuUuSsTt..Hh......AaEeOoOoOoOoYy";  // U+0200

constexpr std::string_view kLatinAdditional =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"  // U+1E00
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"  // U+1E40
    "WwWwWwWwWwXxXxYyZzZzZzhtwy......AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"  // U+1E80
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy";  // U+1EC0

constexpr Block kBlocks[] = {{0x00C0, kLatin}, {0x1E00, kLatinAdditional}};

}  // namespace

char BaseLetterOf(char32_t codePoint) {
    for (const Block& block : kBlocks) {
        if (codePoint < block.first || codePoint - block.first >= block.letters.size()) continue;
        const char letter = block.letters[codePoint - block.first];
        return letter == '.' ? 0 : letter;
    }
    return 0;
}

bool IsCombiningMark(char32_t codePoint) { return codePoint >= 0x0300 && codePoint <= 0x036F; }

}  // namespace quillora::listimport
