#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "SettingsFile.h"

namespace quillora::settings {

namespace {

bool IsWritableFolder(const std::string& dir) {
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(dir.c_str(), W_OK) == 0;
}

// $XDG_CONFIG_HOME, which only counts when it is an absolute path, else ~/.config.
std::string ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !home[0]) {
        const passwd* pw = ::getpwuid(::getuid());
        home = pw ? pw->pw_dir : "";
    }
    return std::string(home) + "/.config";
}

}  // namespace

std::string SettingsDirectory(const std::string& programDir) {
    if (IsWritableFolder(programDir)) return programDir;
    std::string dir = ConfigHome() + "/quillora";
    // A folder that cannot be made leaves the defaults in use and the save failing quietly.
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    return dir;
}

}  // namespace quillora::settings
