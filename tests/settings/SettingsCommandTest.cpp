#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "ToolRun.h"
#include "settings/SettingsFile.h"
#include "text/Cp932.h"

namespace quillora::settings {
namespace {

ToolRun RunQlrtool(const std::string& args) { return RunBuiltTool("qlrtool", args); }

TEST(SettingsCommand, PrintsLoadedValuesUnderWrittenNamesInUtf8) {
    TempDir in;
    WriteWholeFile(in.File(kSettingsFileName),
                   "[print]\r\nmarginleft = 20\r\n[TextLayer]\r\nText = \"" + text::Utf8ToCp932("曲目").value() +
                       "\"\r\nPosX = -4\r\n");
    ToolRun r = RunQlrtool("settings " + in.Path());
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind(R"({"FrameWindow":{"PosX":0,"PosY":0,"SizeW":800,"SizeH":600,"Max":0},"NewDoc":)", 0), 0u);
    EXPECT_NE(r.out.find(R"("MarginTop":15,"MarginLeft":20,)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("TextLayer":{"Text":"曲目","FontFace":"ＭＳ Ｐ明朝",)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("PosX":-4,)"), std::string::npos);
    EXPECT_NE(r.out.find(R"("PicFile":{"Path":""},"Medium":{"Kind":0,"Sheet":"","Positions":"1"},"PrinterOffset":{}})"),
              std::string::npos);
}

TEST(SettingsCommand, SaveWritesWhatTheProgramWritesAtExit) {
    TempDir in, out, expected;
    WriteWholeFile(in.File(kSettingsFileName), "[Grid]\r\nView = 1\r\n[Flags]\r\nFirst = 0\r\n");
    ASSERT_EQ(RunQlrtool("settings " + in.Path() + " --save " + out.Path()).exitCode, 0);

    AppSettings app;
    auto doc = std::make_unique<document::LabelDocument>();
    LoadSettings(in.Path(), app, *doc);
    ASSERT_TRUE(SaveSettings(expected.Path(), app, *doc));
    EXPECT_EQ(ReadWholeFile(out.File(kSettingsFileName)), ReadWholeFile(expected.File(kSettingsFileName)));
}

TEST(SettingsCommand, WrongArgumentsAndUnwritableTargetFail) {
    TempDir in;
    EXPECT_EQ(RunQlrtool("settings").exitCode, 1);
    EXPECT_EQ(RunQlrtool("settings " + in.Path() + " --save").exitCode, 1);
    EXPECT_EQ(RunQlrtool("settings " + in.Path() + " --bogus " + in.Path()).exitCode, 1);
    EXPECT_EQ(RunQlrtool("settings " + in.Path() + " --save " + in.File("missing")).exitCode, 2);
}

}  // namespace
}  // namespace quillora::settings
