// Printing on a real print system: a private CUPS scheduler with a PDF queue, the program's
// print job sending the label to it, and the PDF that comes out checked in pixels.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrintEngine>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <functional>
#include <map>
#include <gtest/gtest.h>
#include <memory>

#include "CupsScheduler.h"
#include "EnsureApplication.h"
#include "PrintedPage.h"
#include "TempDir.h"
#include "TestWorkspace.h"
#include "ToolRun.h"
#include "document/DocumentFile.h"
#include "WidgetLookup.h"
#include "document/TextArc.h"
#include "print/MediumDialog.h"
#include "print/PaperCodes.h"
#include "print/PrintControlIds.h"
#include "print/PrintDocument.h"
#include "print/PrintLabel.h"
#include "print/PrinterSelection.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "TestDocuments.h"
#include "workspace/QtInteraction.h"

using namespace quillora;
using namespace quillora::print;

int DarkDots(const QImage& page) {
    int dark = 0;
    for (int r = 0; r < page.height(); r += 2)
        for (int c = 0; c < page.width(); c += 2) dark += qGray(page.pixel(c, r)) < 64;
    return dark;
}

class CupsPrintTest : public ::testing::Test {
protected:
    // One scheduler per test program, started before anything asks the print system.
    static void SetUpTestSuite() { scheduler = new CupsScheduler; }
    static void TearDownTestSuite() {
        delete scheduler;
        scheduler = nullptr;
    }

    void SetUp() override {
        if (!scheduler->Started()) GTEST_SKIP() << "no CUPS scheduler can run here: " << scheduler->Error();
        ASSERT_EQ(scheduler->Error(), "");
        EnsureApplication();
    }

    // Where the printer puts the square on the sheet, from its own printable area.
    static PagePlacement Placement(QPrinter& printer, const document::LabelDocument& doc) {
        PagePlacement place;
        place.geometry = ComputePrintGeometry(PrintableAreaOf(printer), doc.header.marginLeft, doc.header.marginTop,
                                              doc.SafeOuterMm());
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        place.areaLeftDots = area.left();
        place.areaTopDots = area.top();
        place.printerDpi = printer.resolution();
        return place;
    }

    static CupsScheduler* scheduler;
    TempDir dir;
};

CupsScheduler* CupsPrintTest::scheduler = nullptr;

TEST_F(CupsPrintTest, TheDefaultQueueIsSelectedAndThePrintJobPrintsTheLabelThroughIt) {
    PrinterSelection selection;
    selection.ChooseDefault();
    ASSERT_EQ(selection.Printer().printerName(), QString::fromLatin1(CupsScheduler::kQueue));
    ASSERT_TRUE(selection.HasPrinter());
    ApplyPaperCodes(selection, {9, 1});  // A4 portrait

    TestWorkspace t;
    t.doc = RedLabel();
    t.interaction.QueuePrintDialog([](QPrinter& printer) {
        printer.setCopyCount(2);
        return true;
    });
    PrintLabel(t.ws, selection, nullptr);
    EXPECT_TRUE(t.interaction.messages.empty());
    ASSERT_TRUE(scheduler->WaitUntilIdle(30000)) << "the job did not finish";

    // The job is one page; the print system made the two copies.
    EXPECT_EQ(PdfPageCount(scheduler->Output()), 2);
    const QImage page = RasterisePdf(scheduler->Output(), 150, dir.Path());
    EXPECT_EQ(page.size(), QSize(1240, 1755));  // A4 at 150 dpi
    ExpectPrintedLabel(page, Placement(selection.Printer(), t.doc), true);
    ExpectRingPrintedPureRed(scheduler->Output(), Placement(selection.Printer(), t.doc), dir.Path());
}

TEST_F(CupsPrintTest, PaperCodesSurviveTheFileAndPapersTheQueueLacksAreIgnored) {
    PrinterSelection selection;
    ApplyPaperCodes(selection, {11, 2});  // A5 landscape
    document::LabelDocument doc = RedLabel();
    doc.paper = PaperCodesOf(selection);
    EXPECT_EQ(doc.paper.size, 11);
    EXPECT_EQ(doc.paper.orientation, 2);
    const std::string file = dir.File("paper.qlr");
    ASSERT_TRUE(document::WriteDocumentFile(file, doc));

    document::LabelDocument opened;
    ASSERT_EQ(document::ReadDocumentFile(file, opened), document::ReadResult::Ok);
    PrinterSelection next;  // the next program run
    ApplyPaperCodes(next, opened.paper);
    EXPECT_EQ(PaperCodesOf(next).size, 11);
    EXPECT_EQ(PaperCodesOf(next).orientation, 2);

    ApplyPaperCodes(next, {8, 1});  // A3: the queue has none, the orientation still applies
    EXPECT_EQ(PaperCodesOf(next).size, 11);
    EXPECT_EQ(PaperCodesOf(next).orientation, 1);
}

TEST_F(CupsPrintTest, QlrtoolPrintsToANamedQueue) {
    document::LabelDocument doc = RedLabel();
    doc.header.cropMarks = 0;
    const std::string file = dir.File("label.qlr");
    ASSERT_TRUE(document::WriteDocumentFile(file, doc));
    const ToolRun run =
        RunBuiltTool("qlrtool", "print " + ShellQuoted(file) + " --printer " + CupsScheduler::kQueue);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(scheduler->WaitUntilIdle(30000)) << "the job did not finish";
    EXPECT_EQ(PdfPageCount(scheduler->Output()), 1);

    // The tool prints as the selection of the program would on that queue.
    auto printer = MakePrinter(QString::fromLatin1(CupsScheduler::kQueue));
    ExpectPrintedLabel(RasterisePdf(scheduler->Output(), 150, dir.Path()), Placement(*printer, doc), false);
}

// The label's stored paper and orientation reach the queue's job; a queue that refuses jobs
// makes the tool fail with the scheduler's reason.
TEST_F(CupsPrintTest, QlrtoolAppliesTheStoredPaperAndTellsARefusingQueue) {
    document::LabelDocument doc = RedLabel();
    const std::string file = dir.File("label.qlr");
    const std::string print = "print " + ShellQuoted(file) + " --printer " + CupsScheduler::kQueue;
    QRect corner[2];
    for (const std::int16_t orientation : {1, 2}) {
        doc.paper = {11, orientation};  // A5
        ASSERT_TRUE(document::WriteDocumentFile(file, doc));
        ASSERT_EQ(RunBuiltTool("qlrtool", print).exitCode, 0);
        ASSERT_TRUE(scheduler->WaitUntilIdle(30000)) << "the job did not finish";
        const QImage page = RasterisePdf(scheduler->Output(), 50, dir.Path());
        EXPECT_EQ(page.size(), QSize(292, 414));  // 148 x 210 mm at 50 dpi; landscape turns the content
        corner[orientation - 1] = PrintedRedBounds(page);
    }
    EXPECT_NE(corner[0], corner[1]);

    ASSERT_EQ(std::system((std::string("cupsreject -r 'out of labels' ") + CupsScheduler::kQueue).c_str()), 0);
    const ToolRun refused = RunBuiltTool("qlrtool", print);
    std::system((std::string("cupsaccept ") + CupsScheduler::kQueue).c_str());
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_NE(refused.err.find("out of labels"), std::string::npos) << refused.err;
}
// Qt's own dialogs on a queue whose default paper is Letter: the paper and orientation the
// selection has, or the user chooses, stay on the printer; the dialog offers one page only.
TEST_F(CupsPrintTest, QtsDialogsKeepTheSelectedPaperAndPrintOnePage) {
    PrinterSelection selection;
    selection.ChooseDefault();
    QPrinter& printer = selection.Printer();
    ApplyPaperCodes(selection, {11, 2});  // A5 landscape
    workspace::QtInteraction interaction;
    // Runs `drive` on the modal dialog once it is up, then presses OK.
    const auto whenUp = [](std::function<void(QDialog&)> drive) {
        QTimer::singleShot(100, [drive] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            drive(*dialog);
            dialog->accept();
        });
    };
    // As an earlier dialog's "2 pages per sheet" and "even pages" would have left them.
    const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    printer.printEngine()->setProperty(kCupsOptions, QStringList{"number-up", "2", "page-set", "even"});
    bool oneChoice = false;
    whenUp([&](QDialog& dialog) {
        auto* range = dialog.findChild<QWidget*>("gbPrintRange");
        auto* pageSet = dialog.findChild<QWidget*>("pageSetCombo");
        oneChoice = range && !range->isEnabled() && pageSet && !pageSet->isEnabled();
    });
    ASSERT_TRUE(interaction.RunPrintDialog(printer, nullptr));
    EXPECT_TRUE(oneChoice);
    EXPECT_EQ(PaperCodesOf(selection).size, 11);
    EXPECT_EQ(PaperCodesOf(selection).orientation, 2);
    const QStringList options = printer.printEngine()->property(kCupsOptions).toStringList();
    const auto option = [&](const char* name) { return options.value(options.indexOf(QLatin1String(name)) + 1); };
    EXPECT_EQ(option("number-up"), QStringLiteral("1"));
    EXPECT_EQ(option("page-set"), QStringLiteral("all"));

    whenUp([](QDialog& dialog) {
        auto* combo = dialog.findChild<QComboBox*>("pageSizeCombo");
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(combo->findText(QStringLiteral("A4")));
        dialog.findChild<QRadioButton*>("portrait")->setChecked(true);
    });
    ASSERT_TRUE(interaction.RunPrinterSetup(printer, nullptr));
    EXPECT_EQ(PaperCodesOf(selection).size, 9);
    EXPECT_EQ(PaperCodesOf(selection).orientation, 1);
}

// A4 landscape on a queue with borders of 6.35 mm left and right, 12.7 mm top and bottom: the
// borders turn with the paper, so the label lands at the margins from the turned corner.
TEST_F(CupsPrintTest, LandscapeTakesTheBordersTurnedWithThePaper) {
    PrinterSelection selection;
    selection.ChooseDefault();
    ApplyPaperCodes(selection, {9, 2});
    const PrintableArea area = PrintableAreaOf(selection.Printer());
    EXPECT_EQ(area.widthMm, 272);   // 297 - 2 x 12.7
    EXPECT_EQ(area.heightMm, 197);  // 210 - 2 x 6.35
    document::LabelDocument doc = RedLabel();  // margins 15 / 15
    doc.header.cropMarks = 0;
    doc.header.marginTop = 70;  // 70 + 120 fits 197
    EXPECT_FALSE(LabelMayNotFit(selection.Printer(), doc));
    doc.header.marginTop = 15;
    ASSERT_EQ(PrintDocument(selection.Printer(), doc).outcome, PrintOutcome::Printed);
    ASSERT_TRUE(scheduler->WaitUntilIdle(30000)) << "the job did not finish";
    // The queue puts the turned page on portrait paper: the landscape top is the paper's left,
    // the landscape left its bottom.
    const QImage page = RasterisePdf(scheduler->Output(), 100, dir.Path());
    const QRect red = PrintedRedBounds(page);
    EXPECT_NEAR(red.left() * 0.254, 6.35 + 15, 0.6);
    EXPECT_NEAR((page.height() - 1 - red.bottom()) * 0.254, 12.7 + 15, 0.6);
}

// On a label sheet every disc's centre lands on its position's centre, measured from the paper's
// corner although the queue cannot print within 6.35 / 12.7 mm of the edges, moved by the
// calibration offset; the paper follows the sheet.
TEST_F(CupsPrintTest, QlrtoolPrintsOnEveryPositionOfASheetFromThePapersCorner) {
    document::LabelDocument doc = RedLabel();
    doc.header.cropMarks = 1;  // never on a sheet
    const std::string file = dir.File("disc.qlr");
    ASSERT_TRUE(document::WriteDocumentFile(file, doc));
    const struct {
        const char* sheet;
        const char* offset;
        QSize page;  // at 100 dpi
        std::vector<QPointF> centres;
    } cases[] = {
        {"Avery L7676", "0,0", {827, 1170}, {{105, 80.5}, {105, 217.5}}},
        {"Avery L7676", "2,-1.5", {827, 1170}, {{107, 79}, {107, 216}}},
        {"Avery 5931-Disc", "0,0", {850, 1100}, {{107.95, 76.2}, {107.95, 203.2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sheet) + " offset " + c.offset);
        const ToolRun run = RunBuiltTool("qlrtool", "print " + ShellQuoted(file) + " --printer " + CupsScheduler::kQueue +
                                                        " --sheet " + ShellQuoted(c.sheet) + " --position all --offset " + c.offset);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_TRUE(scheduler->WaitUntilIdle(30000)) << "the job did not finish";
        const QImage page = RasterisePdf(scheduler->Output(), 300, dir.Path());
        EXPECT_NEAR(page.width() / 3.0, c.page.width(), 1);
        EXPECT_NEAR(page.height() / 3.0, c.page.height(), 1);
        for (const QPointF& centre : c.centres) {
            // The red ring around the centre, within the die-cut's reach of it.
            const QRect around(int((centre.x() - 62) / 25.4 * 300), int((centre.y() - 62) / 25.4 * 300), 1465, 1465);
            const QPointF found = RedCentroid(page, around) * (25.4 / 300);
            EXPECT_NEAR(found.x(), centre.x(), 0.2);
            EXPECT_NEAR(found.y(), centre.y(), 0.2);
        }
        // No crop marks: nothing dark on the page.
        EXPECT_EQ(DarkDots(page), 0);
    }
}

// The offset typed for a queue is kept under its name and moves the next print on it: a positive
// X to the right, a positive Y down.
TEST_F(CupsPrintTest, TheOffsetTypedForAQueueMovesItsNextPrint) {
    PrinterSelection selection;
    ApplyPaperCodes(selection, {9, 1});  // A4 portrait
    TestWorkspace t;
    t.ws.programDir = QUILLORA_SOURCE_DIR "/data";
    t.doc = RedLabel();
    t.doc.header.cropMarks = 0;
    t.interaction.QueueDialog([](QDialog& d) {
        EXPECT_TRUE(FindChild<QLabel>(d, kIdOffsetPrinter).text().contains(QLatin1String(CupsScheduler::kQueue)));
        FindChild<QDoubleSpinBox>(d, kIdOffsetX).setValue(2);
        FindChild<QDoubleSpinBox>(d, kIdOffsetY).setValue(-1.5);
        d.accept();
        return d.result();
    });
    ShowMediumDialog(t.ws, selection);
    EXPECT_EQ(t.settings.printerOffsets.at(CupsScheduler::kQueue), (settings::PrinterOffset{20, -15}));

    t.interaction.QueuePrintDialog([](QPrinter&) { return true; });
    PrintLabel(t.ws, selection, nullptr);
    ASSERT_TRUE(scheduler->WaitUntilIdle(30000)) << "the job did not finish";
    const QImage page = RasterisePdf(scheduler->Output(), 300, dir.Path());
    const PagePlacement place = Placement(selection.Printer(), t.doc);
    const double mmPerDot = 25.4 / place.printerDpi;
    const QPointF expected((place.areaLeftDots + place.geometry.originX + place.geometry.widthDev / 2.0) * mmPerDot + 2,
                           (place.areaTopDots + place.geometry.originY + place.geometry.heightDev / 2.0) * mmPerDot - 1.5);
    const QPointF found = RedCentroid(page, page.rect()) * (25.4 / 300);
    EXPECT_NEAR(found.x(), expected.x(), 0.2);
    EXPECT_NEAR(found.y(), expected.y(), 0.2);
}

// Straight onto a disc: one page of the disc's size with the label centred, sent with the tray's
// input slot, the disc's page size, the hub choice and the calibration as the driver's own
// adjustment; a queue without a tray, or a label the tray cannot take, gets nothing.
TEST_F(CupsPrintTest, QlrtoolPrintsOntoADiscWithTheDriversTrayOptions) {
    for (const char* model : {"escp2-xp960", "bjc-PIXMA-iP4800"}) {
        const std::string error = scheduler->AddGutenprintQueue(std::string("Disc-") + model, model);
        if (!error.empty()) GTEST_SKIP() << error;
    }
    const struct {
        const char* queue;
        int outer, inner;
        const char* offset;
        std::map<std::string, std::string> options;
        double pageMm;
        QPointF shiftMm;  // of the disc's centre from the page's, left over from the driver's steps
    } cases[] = {
        {"Disc-escp2-xp960", 120, 30, "0,0",
         {{"InputSlot", "CD"}, {"PageSize", "CD5Inch"}, {"StpCDInnerRadius", "Small"}, {"StpCDInnerDiameter", "85"}},
         116.06, {0, 0}},
        {"Disc-bjc-PIXMA-iP4800", 80, 45, "2,-1",
         {{"InputSlot", "CD"}, {"PageSize", "CDCustom"}, {"StpCDOuterDiameter", "227"}, {"StpCDInnerRadius", "None"},
          {"StpCDXAdjustment", "6"}, {"StpCDYAdjustment", "-3"}},
         80.08, {-0.1, 0.1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.queue);
        document::LabelDocument doc = RedLabel();
        doc.state.outerMm = c.outer;
        doc.state.innerMm = c.inner;
        const std::string file = dir.File("disc.qlr");
        ASSERT_TRUE(document::WriteDocumentFile(file, doc));
        const ToolRun run = RunBuiltTool(
            "qlrtool", "print " + ShellQuoted(file) + " --printer " + c.queue + " --tray --offset " + c.offset);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const int job = scheduler->LastJob(c.queue);
        const auto attributes = scheduler->JobAttributes(job);
        for (const auto& [name, value] : c.options) EXPECT_EQ(attributes.count(name) ? attributes.at(name) : "", value) << name;
        const QImage page = RasterisePdf(scheduler->JobDocument(job), 300, dir.Path());
        EXPECT_NEAR(page.width() * 25.4 / 300, c.pageMm, 0.2);
        EXPECT_NEAR(page.height() * 25.4 / 300, c.pageMm, 0.2);
        const QPointF centre = RedCentroid(page, page.rect()) * (25.4 / 300);
        EXPECT_NEAR(centre.x(), c.pageMm / 2 + c.shiftMm.x(), 0.2);
        EXPECT_NEAR(centre.y(), c.pageMm / 2 + c.shiftMm.y(), 0.2);
    }

    const std::string file = dir.File("disc.qlr");
    const ToolRun noTray = RunBuiltTool("qlrtool", "print " + ShellQuoted(file) + " --printer " + CupsScheduler::kQueue + " --tray");
    EXPECT_EQ(noTray.exitCode, 3);
    EXPECT_NE(noTray.err.find("has no disc tray"), std::string::npos);
    document::LabelDocument large = RedLabel();
    large.state.outerMm = 130;
    ASSERT_TRUE(document::WriteDocumentFile(file, large));
    const int before = scheduler->LastJob("Disc-escp2-xp960");
    EXPECT_EQ(RunBuiltTool("qlrtool", "print " + ShellQuoted(file) + " --printer Disc-escp2-xp960 --tray").exitCode, 1);
    EXPECT_EQ(scheduler->LastJob("Disc-escp2-xp960"), before);
}

// Text along the rim printed through the queue: a title along the top and a line along the
// bottom sit on one ring around the disc's centre, which the sheet fixes from the paper's corner.
// Arcs on the left and the right, both outside, tell how far the glyphs' ink lies outside the
// middle of their cells, which the bottom line (turned inwards) has on the other side.
TEST_F(CupsPrintTest, ArcsAlongTheTopAndTheBottomPrintConcentricWithTheDisc) {
    document::LabelDocument doc = RedLabel();
    doc.header.cropMarks = 0;
    const std::string squares = *text::Utf8ToCp932("■■■■■■");
    const int radiusTenths = document::RimRadius(120, 18);
    const std::pair<document::ArcSide, int> arcs[] = {{document::ArcSide::Outside, 0}, {document::ArcSide::Outside, 90},
                                                      {document::ArcSide::Inside, 180}, {document::ArcSide::Outside, 270}};
    for (const auto& [side, angle] : arcs) {
        document::LayerRecord& layer = doc.layers[render::AddTextLayer(doc, squares, 0, 0)];
        text::StoreField(layer.fontFace, *text::Utf8ToCp932("ＭＳ ゴシック"));
        layer.fontSize = 18;
        document::WriteArc(layer, {1, radiusTenths, angle, static_cast<std::int32_t>(side), 20});
    }
    const std::string file = dir.File("arcs.qlr");
    ASSERT_TRUE(document::WriteDocumentFile(file, doc));
    const ToolRun run = RunBuiltTool("qlrtool", "print " + ShellQuoted(file) + " --printer " + CupsScheduler::kQueue +
                                                    " --sheet " + ShellQuoted("Avery L7676"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    ASSERT_TRUE(scheduler->WaitUntilIdle(30000)) << "the job did not finish";
    constexpr double kDpi = 300;
    const QImage page = RasterisePdf(scheduler->Output(), int(kDpi), dir.Path());
    ASSERT_FALSE(page.isNull());

    const QPointF centre = QPointF(105, 80.5) * (kDpi / 25.4);  // position 1 of the sheet
    const double radius = radiusTenths / 10.0 * kDpi / 25.4;
    const double halfCell = 18 / 3.0 / 2.0 * kDpi / 25.4;
    double sum[4] = {}, count[4] = {};  // the ink's distance from the centre: top, right, bottom, left
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (qRed(p) > 100 || qGreen(p) > 100) continue;  // black ink only
            const double dx = x + 0.5 - centre.x(), dy = y + 0.5 - centre.y();
            const double r = std::hypot(dx, dy);
            ASSERT_GT(r, radius - halfCell - 2) << x << "," << y;
            ASSERT_LT(r, radius + halfCell + 2) << x << "," << y;
            const int quarter = std::abs(dy) > std::abs(dx) ? (dy < 0 ? 0 : 2) : (dx > 0 ? 1 : 3);
            sum[quarter] += r;
            ++count[quarter];
        }
    double mean[4];
    for (int q = 0; q < 4; ++q) {
        ASSERT_GT(count[q], 1000) << q;
        mean[q] = sum[q] / count[q];
    }
    // The ring's centre off by (cx, cy) moves the right arc cx further and the left one cx
    // nearer; the top arc cy nearer and the bottom one cy further, around the ink's offset.
    const double inkOffset = (mean[1] + mean[3]) / 2 - radius;
    const double tolerance = 0.2 / 25.4 * kDpi;
    EXPECT_NEAR(mean[1] - mean[3], 0, 2 * tolerance);
    EXPECT_NEAR(mean[0] - radius, inkOffset, tolerance);
    EXPECT_NEAR(mean[2] - radius, -inkOffset, tolerance);
}
