#include "DocumentReading.h"

#include <iostream>

#include "document/DocumentFile.h"

namespace qlrtool {

bool ReadDocumentOrReport(const std::string& path, quillora::document::LabelDocument& doc) {
    using quillora::document::ReadResult;
    switch (quillora::document::ReadDocumentFile(path, doc)) {
        case ReadResult::Ok:
            return true;
        case ReadResult::CannotOpen:
            std::cerr << "\"" << path << "\" を開けません。\n";
            return false;
        case ReadResult::BadMagic:
            std::cerr << path << ": 読み込めないﾃﾞｰﾀ形式です。\n";
            return false;
        case ReadResult::ShortFile:
            std::cerr << path << ": 読み込めないﾃﾞｰﾀ形式です。 (shorter than 66435 bytes)\n";
            return false;
    }
    return false;
}

}  // namespace qlrtool
