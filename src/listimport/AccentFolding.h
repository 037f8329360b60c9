#pragma once
// Latin letters with accents, mapped to the plain letter they are built on.

namespace quillora::listimport {

// The ASCII letter whose canonical decomposition starts `codePoint` when the rest of it is
// only combining marks (é, Ñ, ç, ö, ǘ, ệ ...), or 0. Letters without a decomposition (ø, ł,
// æ, ß) give 0.
char BaseLetterOf(char32_t codePoint);

// Combining diacritical marks (U+0300..U+036F), as found in decomposed file names.
bool IsCombiningMark(char32_t codePoint);

}  // namespace quillora::listimport
