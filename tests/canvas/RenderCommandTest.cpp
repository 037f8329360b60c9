#include <QImage>
#include <QString>
#include <gtest/gtest.h>
#include <string>

#include "TempDir.h"
#include "ToolRun.h"
#include "document/DocumentFile.h"

namespace {

ToolRun Qlrtool(const std::string& arguments) { return RunBuiltTool("qlrtool", "render " + arguments); }

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
        quillora::document::LabelDocument doc;
        doc.header.outerDiameter = 120;
        doc.header.innerDiameter = 30;
        doc.Create({});
        ASSERT_TRUE(quillora::document::WriteDocumentFile(label, doc));
    }
    QImage Image() const { return QImage(QString::fromStdString(png)); }

    TempDir dir;
    std::string label = dir.File("label.qlr");
    std::string png = dir.File("label.png");
};

TEST_F(RenderCommand, TheImageIsTheBoundingSquareAtTheGivenScale) {
    ASSERT_EQ(Qlrtool(label + " " + png).exitCode, 0);
    EXPECT_EQ(Image().size(), QSize(360, 360));
    EXPECT_EQ(Image().pixel(0, 0), qRgb(255, 255, 255));

    ASSERT_EQ(Qlrtool(label + " " + png + " --dpi 600").exitCode, 0);
    EXPECT_EQ(Image().size(), QSize(2834, 2834));  // trunc(120 x 23.622047)

    ASSERT_EQ(Qlrtool(label + " " + png + " --scale 2.5 --view").exitCode, 0);
    EXPECT_EQ(Image().size(), QSize(300, 300));
    EXPECT_EQ(Image().pixel(0, 0), qRgb(240, 240, 240));
}

TEST_F(RenderCommand, RefusesBadArgumentsAndUnreadableFiles) {
    EXPECT_EQ(Qlrtool(label).exitCode, 1);
    EXPECT_EQ(Qlrtool(label + " " + png + " --scale 0").exitCode, 1);
    EXPECT_EQ(Qlrtool(label + " " + png + " --scale 3 --dpi 600").exitCode, 1);

    EXPECT_EQ(Qlrtool(dir.File("missing.qlr") + " " + png).exitCode, 2);
    std::string bytes = ReadWholeFile(label);
    bytes[5] = '1';
    WriteWholeFile(label, bytes);
    ToolRun run = Qlrtool(label + " " + png);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("読み込めないﾃﾞｰﾀ形式です。"), std::string::npos) << run.err;
}

}  // namespace
