#include "PluginVisit.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "PluginLibrary.h"
#include "ProjectInfo.h"

namespace quillora::pictures {

namespace {
constexpr std::string_view kExtension = ".pip";

std::vector<std::string> ListFolder(const std::string& folderPath) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folderPath, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.size() < kExtension.size() || !name.ends_with(kExtension)) continue;
        if (name.size() >= QUILLORA_PIP_INFO_BUFFER_SIZE) continue;  // the name buffer holds 99 bytes
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());  // char_traits<char> compares as unsigned bytes
    std::string folder = fs::absolute(folderPath, error).string();
    if (error) folder = folderPath;
    for (auto& name : names) name = (fs::path(folder) / name).string();
    return names;
}

}  // namespace

std::vector<std::string> ListPluginFiles(const std::string& programDir) {
    std::vector<std::string> files = ListFolder(programDir);
    std::vector<std::string> installed = ListFolder(project::InstalledPluginFolder(programDir).string());
    files.insert(files.end(), installed.begin(), installed.end());
    return files;
}

void VisitPlugins(const std::string& programDir, const std::function<bool(const PluginLibrary&)>& visit) {
    for (const auto& path : ListPluginFiles(programDir)) {
        auto library = PluginLibrary::Open(path);
        if (library && visit(*library)) return;
    }
}

}  // namespace quillora::pictures
