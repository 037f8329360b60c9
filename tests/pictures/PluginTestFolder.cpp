#include "PluginTestFolder.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

PluginTestFolder::PluginTestFolder() : logPath_(files_.File("calls.log")) {
    setenv("QUILLORA_TEST_PLUGIN_LOG", logPath_.c_str(), 1);
}

PluginTestFolder::~PluginTestFolder() { unsetenv("QUILLORA_TEST_PLUGIN_LOG"); }

void PluginTestFolder::Install(const std::string& variant, const std::string& fileName) const {
    std::filesystem::copy_file(std::string(QUILLORA_TEST_PLUGIN_DIR) + "/" + variant + ".so",
                               plugins_.File(fileName));
}

std::string PluginTestFolder::Script(const std::string& name, long width, long height, int fourth) const {
    std::ostringstream text;
    text << "TP " << width << ' ' << height << ' ' << fourth;
    WriteWholeFile(files_.File(name), text.str());
    return files_.File(name);
}

std::vector<std::string> PluginTestFolder::TakeLog() const {
    std::vector<std::string> lines;
    if (!std::filesystem::exists(logPath_)) return lines;
    std::istringstream log(ReadWholeFile(logPath_));
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    std::filesystem::remove(logPath_);
    return lines;
}
