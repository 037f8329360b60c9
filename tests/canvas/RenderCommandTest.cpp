#include <QImage>
#include <QString>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "TempDir.h"
#include "document/DocumentFile.h"

namespace {

struct RunResult {
    int status;
    std::string errors;
};

RunResult Qlrtool(const TempDir& dir, const std::string& arguments) {
    std::string errors = dir.file("stderr.txt");
    std::string command = std::string(QUILLORA_BIN_DIR) + "/qlrtool render " + arguments + " 2> '" + errors + "'";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(errors)};
}

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
    std::string label = dir.file("label.qlr");
    std::string png = dir.file("label.png");
};

TEST_F(RenderCommand, TheImageIsTheBoundingSquareAtTheGivenScale) {
    ASSERT_EQ(Qlrtool(dir, label + " " + png).status, 0);
    EXPECT_EQ(Image().size(), QSize(360, 360));
    EXPECT_EQ(Image().pixel(0, 0), qRgb(255, 255, 255));

    ASSERT_EQ(Qlrtool(dir, label + " " + png + " --dpi 600").status, 0);
    EXPECT_EQ(Image().size(), QSize(2834, 2834));  // trunc(120 x 23.622047)

    ASSERT_EQ(Qlrtool(dir, label + " " + png + " --scale 2.5 --view").status, 0);
    EXPECT_EQ(Image().size(), QSize(300, 300));
    EXPECT_EQ(Image().pixel(0, 0), qRgb(240, 240, 240));
}

TEST_F(RenderCommand, RefusesBadArgumentsAndUnreadableFiles) {
    EXPECT_EQ(Qlrtool(dir, label).status, 1);
    EXPECT_EQ(Qlrtool(dir, label + " " + png + " --scale 0").status, 1);
    EXPECT_EQ(Qlrtool(dir, label + " " + png + " --scale 3 --dpi 600").status, 1);

    EXPECT_EQ(Qlrtool(dir, dir.file("missing.qlr") + " " + png).status, 2);
    std::string bytes = ReadWholeFile(label);
    bytes[5] = '1';
    WriteWholeFile(label, bytes);
    RunResult run = Qlrtool(dir, label + " " + png);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("読み込めないﾃﾞｰﾀ形式です。"), std::string::npos) << run.errors;
}

}  // namespace
