#include "SettingsFile.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

#include "IniFile.h"
#include "SettingsLoader.h"
#include "SettingsWriter.h"
#include "document/AtomicFile.h"

namespace quillora::settings {

namespace {

std::string SettingsPath(const std::string& dir) { return dir + "/" + kSettingsFileName; }

// The file's bytes; empty when there is no file, nullopt when it exists but cannot be read.
std::optional<std::string> ReadSettingsText(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
    std::string text;
    char buffer[8192];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (n < 0) return std::nullopt;
    return text;
}

}  // namespace

void LoadSettings(const std::string& dir, AppSettings& app, document::LabelDocument& doc) {
    auto text = ReadSettingsText(SettingsPath(dir));
    LoadSettingsFrom(IniFile::Parse(text.value_or("")), app, doc);
}

bool SaveSettings(const std::string& dir, const AppSettings& app, const document::LabelDocument& doc) {
    const std::string path = SettingsPath(dir);
    auto text = ReadSettingsText(path);
    if (!text) return false;
    IniFile ini = IniFile::Parse(*text);
    StoreSettingsInto(ini, app, doc);
    return document::WriteFileAtomically(path, ini.Serialise());
}

}  // namespace quillora::settings
