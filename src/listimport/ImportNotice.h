#pragma once
// What the user is told after an import, in the program's language.
#include <string>

#include "ListEntries.h"

namespace quillora::listimport {

// One line (UTF-8) for each thing worth knowing: entries left out, characters replaced,
// texts cut. Empty when the import went through unchanged.
std::string ImportNotice(const ApplyResult& result);

}  // namespace quillora::listimport
