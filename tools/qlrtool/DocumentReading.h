#pragma once
// Reading a document for a command, with the messages and exit status every command shares.
#include <string>

#include "document/LabelDocument.h"

namespace qlrtool {

// Reads `path` into `doc`; on failure prints the reason on stderr and returns false
// (the command then exits with kExitFile).
bool ReadDocumentOrReport(const std::string& path, quillora::document::LabelDocument& doc);

}  // namespace qlrtool
