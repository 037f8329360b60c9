#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <sys/wait.h>

#include "TempDir.h"
#include "settings/SettingsFile.h"
#include "text/Cp932.h"

namespace quillora::settings {
namespace {

struct RunResult {
    int exitCode;
    std::string out;
};

RunResult RunQlrtool(const std::string& args) {
    const std::string command = std::string(QUILLORA_BIN_DIR) + "/qlrtool " + args + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return {-1, ""};
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) out.append(buffer, n);
    int status = pclose(pipe.release());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(SettingsCommand, PrintsLoadedValuesUnderWrittenNamesInUtf8) {
    TempDir in;
    WriteWholeFile(in.file(kSettingsFileName),
                   "[print]\r\nmarginleft = 20\r\n[TextLayer]\r\nText = \"" + text::Utf8ToCp932("曲目").value() +
                       "\"\r\nPosX = -4\r\n");
    RunResult r = RunQlrtool("settings " + in.path());
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind(R"({"FrameWindow":{"PosX":0,"PosY":0,"SizeW":800,"SizeH":600,"Max":0},"NewDoc":)", 0), 0u);
    EXPECT_NE(r.out.find(R"("MarginTop":15,"MarginLeft":20,)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("TextLayer":{"Text":"曲目","FontFace":"ＭＳ Ｐ明朝",)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("PosX":-4,)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("PicFile":{"Path":""}})"), std::string::npos);
}

TEST(SettingsCommand, SaveWritesWhatTheProgramWritesAtExit) {
    TempDir in, out, expected;
    WriteWholeFile(in.file(kSettingsFileName), "[Grid]\r\nView = 1\r\n[Flags]\r\nFirst = 0\r\n");
    ASSERT_EQ(RunQlrtool("settings " + in.path() + " --save " + out.path()).exitCode, 0);

    AppSettings app;
    auto doc = std::make_unique<document::LabelDocument>();
    LoadSettings(in.path(), app, *doc);
    ASSERT_TRUE(SaveSettings(expected.path(), app, *doc));
    EXPECT_EQ(ReadWholeFile(out.file(kSettingsFileName)), ReadWholeFile(expected.file(kSettingsFileName)));
}

TEST(SettingsCommand, WrongArgumentsAndUnwritableTargetFail) {
    TempDir in;
    EXPECT_EQ(RunQlrtool("settings").exitCode, 1);
    EXPECT_EQ(RunQlrtool("settings " + in.path() + " --save").exitCode, 1);
    EXPECT_EQ(RunQlrtool("settings " + in.path() + " --bogus " + in.path()).exitCode, 1);
    EXPECT_EQ(RunQlrtool("settings " + in.path() + " --save " + in.file("missing")).exitCode, 2);
}

}  // namespace
}  // namespace quillora::settings
