#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "TempDir.h"
#include "settings/SettingsFile.h"

namespace quillora::settings {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class SettingsDirectoryTest : public ::testing::Test {
protected:
    TempDir program;
    TempDir config;
    ScopedEnv xdg{"XDG_CONFIG_HOME", config.Path().c_str()};
};

TEST_F(SettingsDirectoryTest, WritableProgramDirectoryIsUsed) {
    EXPECT_EQ(SettingsDirectory(program.Path()), program.Path());
}

TEST_F(SettingsDirectoryTest, MissingOrNonFolderProgramDirectoryFallsBackToConfigHome) {
    const std::string expected = config.Path() + "/quillora";
    WriteWholeFile(program.File("not-a-folder"), "x");
    for (const std::string& dir : {program.File("missing"), program.File("not-a-folder")}) {
        SCOPED_TRACE(dir);
        EXPECT_EQ(SettingsDirectory(dir), expected);
        EXPECT_TRUE(std::filesystem::is_directory(expected));
    }
}

TEST_F(SettingsDirectoryTest, RelativeConfigHomeIsIgnoredForHome) {
    ScopedEnv relative{"XDG_CONFIG_HOME", "relative/config"};
    ScopedEnv home{"HOME", config.Path().c_str()};
    const std::string expected = config.Path() + "/.config/quillora";
    EXPECT_EQ(SettingsDirectory(program.File("missing")), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
}

TEST_F(SettingsDirectoryTest, ReadOnlyProgramDirectoryFallsBack) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
    ASSERT_EQ(chmod(program.Path().c_str(), 0555), 0);
    EXPECT_EQ(SettingsDirectory(program.Path()), config.Path() + "/quillora");
    chmod(program.Path().c_str(), 0755);
}

}  // namespace
}  // namespace quillora::settings
