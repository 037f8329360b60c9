#include "PictureReport.h"

#include <iostream>

#include "pictures/PictureLibrary.h"
#include "settings/ProgramDirectory.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

namespace qlrtool {

void ReportMissingPictures(const std::vector<std::string>& storedPaths) {
    for (const std::string& path : storedPaths)
        std::cerr << quillora::text::StoredPathToUtf8(path) << ": を開くことができません。\n";
}

std::vector<std::string> UnreadablePictures(const quillora::document::LabelDocument& doc) {
    const quillora::pictures::PictureLibrary library(quillora::settings::ProgramDirectory());
    std::vector<std::string> missing;
    for (const auto& layer : doc.layers) {
        if (layer.kind != quillora::document::LayerKind::Picture) continue;
        std::string path(quillora::text::FieldView(layer.picturePath));
        if (!library.IsPictureSupported(path)) missing.push_back(path);
    }
    return missing;
}

}  // namespace qlrtool
