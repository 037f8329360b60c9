#include <QFileInfo>
#include <gtest/gtest.h>

#include "PrintedPage.h"
#include "TempDir.h"
#include "ToolRun.h"
#include "document/DocumentFile.h"

using namespace quillora;
using namespace quillora::print;

class QlrtoolPrint : public ::testing::Test {
protected:
    QlrtoolPrint() {
        doc = RedLabel();
        Save();
    }

    void Save() { ASSERT_TRUE(document::WriteDocumentFile(label, doc)); }

    ToolRun Print(const std::string& arguments) {
        return RunBuiltTool("qlrtool", "print " + ShellQuoted(label) + " " + arguments);
    }

    TempDir dir;
    std::string label = dir.File("my label.qlr");
    std::string pdf = dir.File("out put.pdf");
    document::LabelDocument doc;
};

TEST_F(QlrtoolPrint, PdfIsAnA4PageWhoseSquareStartsAtTheMarginsFromThePaperCorner) {
    const ToolRun run = Print("--pdf " + ShellQuoted(pdf) + " --dpi 300");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find("warning"), std::string::npos) << run.err;
    EXPECT_EQ(PdfPageCount(pdf), 1);
    const QImage page = RasterisePdf(pdf, 100, dir.Path());
    EXPECT_EQ(page.width(), 827);  // A4 at 100 dpi, rounded up
    EXPECT_NEAR(page.height(), 1169, 1);
    PagePlacement place;
    // 210 x 297 mm at 300 dpi: 2479 x 3508 whole dots.
    place.geometry = ComputePrintGeometry({2479, 3508, 210, 297}, 15, 15, 120);
    place.printerDpi = 300;
    place.rasterDpi = 100;
    ExpectPrintedLabel(page, place, true);
}

TEST_F(QlrtoolPrint, ALabelThatMayNotFitIsPrintedAfterAWarning) {
    doc.header.marginTop = 250;
    Save();
    const ToolRun run = Print("--pdf " + ShellQuoted(pdf) + " --dpi 100");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("may not fit"), std::string::npos) << run.err;
    EXPECT_EQ(PdfPageCount(pdf), 1);
}

TEST_F(QlrtoolPrint, ExitCodesTellUsageFileAndPrinterFailuresApart) {
    EXPECT_EQ(Print("").exitCode, 1);
    EXPECT_EQ(Print("--pdf").exitCode, 1);
    EXPECT_EQ(Print("--pdf a.pdf --printer p").exitCode, 1);
    EXPECT_EQ(Print("--pdf a.pdf --dpi 0").exitCode, 1);
    EXPECT_EQ(Print("--pdf a.pdf --dpi x").exitCode, 1);
    EXPECT_EQ(Print("extra.qlr --pdf a.pdf").exitCode, 1);
    EXPECT_EQ(RunBuiltTool("qlrtool", "print " + ShellQuoted(dir.File("missing.qlr")) + " --pdf a.pdf").exitCode, 2);

    const ToolRun noQueue = Print("--printer 'no such printer'");
    EXPECT_EQ(noQueue.exitCode, 3);
    EXPECT_NE(noQueue.err.find("no such printer"), std::string::npos);
    EXPECT_EQ(Print("--pdf " + ShellQuoted(dir.File("no folder/out.pdf"))).exitCode, 3);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(pdf)));
}
