#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

#include "EnsureApplication.h"
#include "TempDir.h"
#include "print/PaperCodes.h"
#include "print/PaperDecision.h"
#include "print/PrinterSelection.h"
#include "TestPrinters.h"

using namespace quillora;
using namespace quillora::print;

TEST(PaperDecision, NamedPapersByCodeOthersFromTheirTenthsOfAMillimetre) {
    // A named paper's size fields are ignored; any other paper's are truncated to millimetres.
    EXPECT_EQ(PreviewPaperSize({kPaperA4, 1, 1, kOrientationPortrait}), (PaperSize{210, 297}));
    EXPECT_EQ(PreviewPaperSize({1, 2159, 2794, kOrientationPortrait}), (PaperSize{215, 279}));  // Letter
    EXPECT_EQ(PreviewPaperSize({256, 1009, 9, kOrientationPortrait}), (PaperSize{100, 0}));
}

TEST(PaperDecision, LandscapeSwapsAndOnlyCodeTwoIsLandscape) {
    EXPECT_EQ(PreviewPaperSize({kPaperA4, 0, 0, kOrientationLandscape}), (PaperSize{297, 210}));
    EXPECT_EQ(PreviewPaperSize({1, 2159, 2794, kOrientationLandscape}), (PaperSize{279, 215}));
    EXPECT_EQ(PreviewPaperSize({kPaperA4, 0, 0, 0}), (PaperSize{210, 297}));
    EXPECT_EQ(PreviewPaperSize({kPaperA4, 0, 0, 3}), (PaperSize{210, 297}));
    EXPECT_EQ(PreviewPaperSize({}), (PaperSize{0, 0}));  // no printer: the user is asked
}

// A selection whose printer writes a PDF file, which takes every paper.
class PaperCodesTest : public ::testing::Test {
protected:
    QApplication& app = EnsureApplication();  // before any printer

    TempDir dir;
    std::unique_ptr<PrinterSelection> selection = PdfFileSelection(dir.File("out.pdf"));
};

TEST_F(PaperCodesTest, StoredCodesComeBackFromThePrinter) {
    EXPECT_EQ(PaperCodesOf(*selection).size, 9);
    EXPECT_EQ(PaperCodesOf(*selection).orientation, 1);
    const document::PaperSettings cases[] = {{8, 1}, {11, 2}, {12, 1}, {13, 2}, {1, 1}, {5, 2}, {9, 1}};
    for (const auto& stored : cases) {
        ApplyPaperCodes(*selection, stored);
        const document::PaperSettings back = PaperCodesOf(*selection);
        EXPECT_EQ(back.size, stored.size);
        EXPECT_EQ(back.orientation, stored.orientation);
    }
}

TEST_F(PaperCodesTest, UnknownCodesAreIgnoredEachOnItsOwn) {
    ApplyPaperCodes(*selection, {11, 2});
    ApplyPaperCodes(*selection, {0, 0});
    ApplyPaperCodes(*selection, {-3, 7});
    ApplyPaperCodes(*selection, {30000, 2});  // no such paper; the orientation still applies
    EXPECT_EQ(PaperCodesOf(*selection).size, 11);
    EXPECT_EQ(PaperCodesOf(*selection).orientation, 2);
    ApplyPaperCodes(*selection, {9, 0});
    EXPECT_EQ(PaperCodesOf(*selection).size, 9);
    EXPECT_EQ(PaperCodesOf(*selection).orientation, 2);
}

TEST_F(PaperCodesTest, ThePreviewReadsCodeSizeAndOrientationOfThePrinter) {
    ApplyPaperCodes(*selection, {9, 2});
    const PrinterPaper a4 = PrinterPaperOf(*selection);
    EXPECT_EQ(a4.code, 9);
    EXPECT_EQ(a4.widthTenths, 2100);
    EXPECT_EQ(a4.lengthTenths, 2970);
    EXPECT_EQ(a4.orientation, 2);
    ApplyPaperCodes(*selection, {1, 1});
    const PrinterPaper letter = PrinterPaperOf(*selection);
    EXPECT_EQ(letter.code, 1);
    EXPECT_EQ(letter.widthTenths, 2159);
    EXPECT_EQ(letter.lengthTenths, 2794);
}

TEST(PaperCodesWithoutPrinter, AreZeroAndStoredCodesAreIgnored) {
    EnsureApplication();
    // What the selection holds when no printer is installed: PDF output, no file named yet.
    auto none = NoPrinterSelection();
    PrinterSelection& selection = *none;
    EXPECT_FALSE(selection.HasPrinter());
    const QPageSize before = selection.Printer().pageLayout().pageSize();
    ApplyPaperCodes(selection, {11, 2});
    EXPECT_TRUE(selection.Printer().pageLayout().pageSize().isEquivalentTo(before));
    EXPECT_EQ(selection.Printer().pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(PaperCodesOf(selection).size, 0);
    EXPECT_EQ(PaperCodesOf(selection).orientation, 0);
    const PrinterPaper paper = PrinterPaperOf(selection);
    EXPECT_EQ(PreviewPaperSize(paper), (PaperSize{0, 0}));
}
