#pragma once
// Picture layers whose picture cannot be read, reported the way the program names them.
#include <string>
#include <vector>

#include "document/LabelDocument.h"

namespace qlrtool {

// Prints one line per path on stderr: the stored path (decoded) and the program's message.
void ReportMissingPictures(const std::vector<std::string>& storedPaths);

// The stored picture paths of kind-11 slots that neither BMP nor any plug-in beside
// qlrtool can read, in slot order; the document is not changed.
std::vector<std::string> UnreadablePictures(const quillora::document::LabelDocument& doc);

}  // namespace qlrtool
