#include <filesystem>
#include <gtest/gtest.h>

#include "FileSizeLimit.h"
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
    ExpectRingPrintedPureRed(pdf, place, dir.Path());
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
    // The medium: a position needs a sheet; offsets within ±10 mm; the sheet's own positions.
    EXPECT_EQ(Print("--pdf a.pdf --position 1").exitCode, 1);
    EXPECT_EQ(Print("--pdf a.pdf --offset 10.1,0").exitCode, 1);
    EXPECT_EQ(Print("--pdf a.pdf --offset 1").exitCode, 1);
    EXPECT_EQ(Print("--pdf a.pdf --sheet 'Avery L7676' --position 3").exitCode, 1);
    EXPECT_EQ(Print("--pdf a.pdf --sheet 'No such sheet'").exitCode, 2);
    EXPECT_EQ(RunBuiltTool("qlrtool", "print " + ShellQuoted(dir.File("missing.qlr")) + " --pdf a.pdf").exitCode, 2);

    const ToolRun noQueue = Print("--printer 'no such printer'");
    EXPECT_EQ(noQueue.exitCode, 3);
    EXPECT_NE(noQueue.err.find("no such printer"), std::string::npos);
}

// Outputs that cannot be written, or that are the label itself, exit 3 and leave every file as
// it was: the label, an earlier PDF, and no partial file beside them.
TEST_F(QlrtoolPrint, BadOutputsExitThreeAndKeepWhatWasThere) {
    WriteWholeFile(pdf, "earlier");
    std::filesystem::create_symlink("my label.qlr", dir.File("link.pdf"));
    const struct {
        std::string arguments;
        std::string says;
    } outputs[] = {
        {"--pdf " + ShellQuoted(label), "is the label being printed"},
        {"--pdf " + ShellQuoted(dir.File("link.pdf")), "is the label being printed"},
        {"--pdf /dev/full", "could not be written"},
        {"--pdf " + ShellQuoted(dir.File("no folder/out.pdf")), "could not be written"},
    };
    const std::string before = ReadWholeFile(label);
    for (const auto& out : outputs) {
        const ToolRun run = Print(out.arguments);
        EXPECT_EQ(run.exitCode, 3) << out.arguments;
        EXPECT_NE(run.err.find(out.says), std::string::npos) << run.err;
    }
    // A disk that fills up part-way through the PDF.
    {
        FileSizeLimit limit(2048);
        ASSERT_TRUE(limit.Applied());
        EXPECT_EQ(Print("--pdf " + ShellQuoted(pdf)).exitCode, 3);
    }
    EXPECT_EQ(ReadWholeFile(label), before);
    EXPECT_EQ(ReadWholeFile(pdf), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
}
