// qlrtool filter: the picture file filter, one entry a line (description, tab, pattern).
// qlrtool picture FILE: whether the program can read a picture file and its size, as JSON.
// Both use the plug-ins beside qlrtool, as the program uses those beside itself.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CommandTable.h"
#include "Json.h"
#include "pictures/PictureLibrary.h"
#include "settings/ProgramDirectory.h"
#include "text/Cp932.h"

namespace {

constexpr char kFilterUsage[] = "filter";
constexpr char kPictureUsage[] = "picture FILE";

int RunFilter(const std::vector<std::string>& args) {
    if (!args.empty()) return qlrtool::UsageError(kFilterUsage);
    auto filter = quillora::pictures::PictureLibrary(quillora::settings::ProgramDirectory()).BuildPictureFilter();
    std::cout << filter.supportedDescription << '\t' << filter.supportedPattern << '\n'
              << filter.allDescription << '\t' << filter.allPattern << '\n';
    return qlrtool::kExitOk;
}

int RunPicture(const std::vector<std::string>& args) {
    if (args.size() != 1) return qlrtool::UsageError(kPictureUsage);
    std::error_code error;
    if (!std::filesystem::is_regular_file(args[0], error)) {
        std::cerr << "cannot open " << args[0] << '\n';
        return qlrtool::kExitFile;
    }
    const quillora::pictures::PictureLibrary library(quillora::settings::ProgramDirectory());
    const std::string stored = quillora::text::Utf8PathToStored(args[0]);
    const bool supported = library.IsPictureSupported(stored);
    const auto size = library.GetPictureSize(stored);
    qlrtool::JsonWriter json(std::cout);
    json.BeginObject().Field("supported", supported).Field("width", size.width).Field("height", size.height).EndObject();
    return qlrtool::kExitOk;
}

const qlrtool::Command filterCommand("filter", kFilterUsage, RunFilter);
const qlrtool::Command pictureCommand("picture", kPictureUsage, RunPicture);

}  // namespace
