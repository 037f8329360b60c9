#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QPrinter>
#include <filesystem>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "FileSizeLimit.h"
#include "PrintedPage.h"
#include "TempDir.h"
#include "TestPrinters.h"
#include "TestWorkspace.h"
#include "print/CalibrationPage.h"
#include "print/PrintDocument.h"
#include "print/PrintLabel.h"
#include "windows/NoticeWindow.h"

using namespace quillora;
using namespace quillora::print;

namespace {

bool Exists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

windows::NoticeWindow* VisibleNotice() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* notice = qobject_cast<windows::NoticeWindow*>(w);
        if (notice && notice->isVisible()) return notice;
    }
    return nullptr;
}

// Notes every paint of the printing notice and whether the job's file existed then.
class NoticePaints : public QObject {
public:
    explicit NoticePaints(std::string output) : output_(std::move(output)) { qApp->installEventFilter(this); }
    ~NoticePaints() override { qApp->removeEventFilter(this); }

    int paints = 0;
    int paintsBeforeTheJob = 0;
    QString text;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget) {
            if (auto* notice = qobject_cast<windows::NoticeWindow*>(widget->window())) {
                ++paints;
                if (!Exists(output_)) ++paintsBeforeTheJob;
                text = notice->Text();
            }
        }
        return false;
    }

private:
    std::string output_;
};

}  // namespace

class PrintJobTest : public ::testing::Test {
protected:
    QApplication& app = EnsureApplication();  // before any printer
    PrintJobTest() {
        t.doc = RedLabel();
        t.ws.frame = &frame;
    }

    // The red label's square (margins 15, 120 mm, marks 5 mm long and 2 mm away) in printer
    // dots, worked out by hand below for each printer; the printable area's corner as the
    // printer reports it.
    struct Square {
        int origin, width, markLength, markGap;
    };
    static PagePlacement Placement(QPrinter& printer, const Square& square) {
        PagePlacement place;
        place.geometry.originX = place.geometry.originY = square.origin;
        place.geometry.widthDev = place.geometry.heightDev = square.width;
        place.geometry.markLength = square.markLength;
        place.geometry.markGap = square.markGap;
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        place.areaLeftDots = printer.fullPage() ? 0 : area.left();
        place.areaTopDots = printer.fullPage() ? 0 : area.top();
        place.printerDpi = printer.resolution();
        return place;
    }

    TempDir dir;
    std::string output = dir.File("label.pdf");
    std::unique_ptr<PrinterSelection> selection = PdfFileSelection(output);
    QWidget frame;
    TestWorkspace t;
};

TEST_F(PrintJobTest, CancelInThePrintDialogDoesNothing) {
    NoticePaints notice(output);
    QWidget owner;
    t.interaction.QueuePrintDialog([](QPrinter&) { return false; });
    PrintLabel(t.ws, *selection, &owner);
    EXPECT_FALSE(Exists(output));
    EXPECT_EQ(notice.paints, 0);
    EXPECT_TRUE(t.interaction.messages.empty());
    ASSERT_EQ(t.interaction.printDialogOwners.size(), 1u);
    EXPECT_EQ(t.interaction.printDialogOwners[0], &owner);
}

TEST_F(PrintJobTest, PrintsExactlyOnePageAtTheMarginsWithThePaintedNoticeShownMeanwhile) {
    NoticePaints notice(output);
    t.interaction.QueuePrintDialog([](QPrinter& printer) {
        printer.setCopyCount(3);  // left to the printer: still one page in the job
        printer.setResolution(300);
        return true;
    });
    PrintLabel(t.ws, *selection, &frame);
    ASSERT_TRUE(Exists(output));
    EXPECT_GT(notice.paintsBeforeTheJob, 0);
    EXPECT_EQ(notice.text, QString::fromUtf8("印刷中....."));
    EXPECT_EQ(VisibleNotice(), nullptr);
    EXPECT_TRUE(t.interaction.messages.empty());
    EXPECT_EQ(PdfPageCount(output), 1);
    // 2395 dots over 203 whole millimetres of printable width: 11.798 dots a millimetre, truncated.
    ExpectPrintedLabel(RasterisePdf(output, 150, dir.Path()), Placement(selection->Printer(), {176, 1415, 58, 23}), true);
}

TEST_F(PrintJobTest, ALabelThatMayNotFitAsksOwnedByTheFrameBeforeAnyNoticeAndNoPrintsNothing) {
    NoticePaints notice(output);
    t.doc.header.marginLeft = 100;  // 220 mm on A4
    t.interaction.QueuePrintDialog([](QPrinter&) { return true; });
    t.interaction.QueueAnswer(workspace::Answer::No);
    QWidget settings;
    PrintLabel(t.ws, *selection, &settings);
    EXPECT_FALSE(Exists(output));
    ASSERT_EQ(t.interaction.messages.size(), 1u);
    const workspace::Message& m = t.interaction.messages[0];
    EXPECT_EQ(m.text, QString::fromUtf8("全体を印刷できない可能性があります。印刷を続行してもよろしいですか？"));
    EXPECT_EQ(m.caption, QString::fromUtf8("警告"));
    EXPECT_EQ(m.icon, workspace::MessageIcon::Exclamation);
    EXPECT_EQ(m.buttons, workspace::MessageButtons::YesNo);
    EXPECT_EQ(m.owner, &frame);
    EXPECT_EQ(notice.paints, 0);
}

TEST_F(PrintJobTest, YesToTheWarningPrintsTheLabelCutAtThePage) {
    t.doc.header.marginTop = 200;
    t.interaction.QueuePrintDialog([](QPrinter& printer) {
        printer.setResolution(150);
        return true;
    });
    t.interaction.QueueAnswer(workspace::Answer::Yes);
    PrintLabel(t.ws, *selection, &frame);
    EXPECT_EQ(t.interaction.messages.size(), 1u);
    EXPECT_EQ(PdfPageCount(output), 1);
}

// A file that cannot be written is said so; the label and any earlier file are kept whole.
TEST_F(PrintJobTest, PrintingToAFileThatCannotBeWrittenKeepsWhatWasThereAndSaysSo) {
    WriteWholeFile(dir.File("label.qlr"), "label");
    WriteWholeFile(dir.File("old.pdf"), "earlier");
    std::filesystem::create_symlink("label.qlr", dir.File("link.pdf"));
    t.doc.currentFileName = dir.File("label.qlr");
    const struct {
        std::string path;
        PrintOutcome outcome;
    } outputs[] = {
        {dir.File("no such folder/label.pdf"), PrintOutcome::FileNotWritten},
        {"/dev/full", PrintOutcome::FileNotWritten},
        {dir.File("label.qlr"), PrintOutcome::OutputIsLabel},
        {dir.File("link.pdf"), PrintOutcome::OutputIsLabel},
    };
    for (const auto& out : outputs) {
        auto unwritable = PdfFileSelection(out.path);
        EXPECT_EQ(PrintDocument(unwritable->Printer(), t.doc).outcome, out.outcome) << out.path;
    }
    // A write that fails part-way, as on a full disk, leaves the earlier file.
    auto earlier = PdfFileSelection(dir.File("old.pdf"));
    {
        FileSizeLimit limit(2048);
        ASSERT_TRUE(limit.Applied());
        EXPECT_EQ(PrintDocument(earlier->Printer(), t.doc).outcome, PrintOutcome::FileNotWritten);
    }
    EXPECT_EQ(ReadWholeFile(dir.File("old.pdf")), "earlier");
    EXPECT_EQ(ReadWholeFile(dir.File("label.qlr")), "label");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);

    t.interaction.QueuePrintDialog([](QPrinter&) { return true; });
    t.interaction.QueueAnswer(workspace::Answer::Ok);
    const std::string nowhere = dir.File("no such folder/label.pdf");
    PrintLabel(t.ws, *PdfFileSelection(nowhere), &frame);
    ASSERT_EQ(t.interaction.messages.size(), 1u);
    EXPECT_EQ(t.interaction.messages[0].text, QStringLiteral("\"%1\" に書き込めません。").arg(QString::fromStdString(nowhere)));
    EXPECT_EQ(VisibleNotice(), nullptr);
}

// The dialog-free job on a full-page printer: the square starts at the margins from the
// paper's corner.
TEST_F(PrintJobTest, WithoutDialogsTheJobAsksNothingAndCropMarksAreOptional) {
    QPrinter& printer = selection->Printer();
    printer.setFullPage(true);
    printer.setResolution(600);
    t.doc.header.cropMarks = 0;
    // A4 is 595 points: 4958 dots over 210 mm, 23.61 dots a millimetre; a calibration moves the
    // square by its tenths of a millimetre in those dots.
    const struct {
        settings::PrinterOffset offset;
        int dx, dy;
    } cases[] = {{{}, 0, 0}, {{15, -5}, 35, -12}, {{-100, 100}, -236, 236}};
    for (const auto& c : cases) {
        EXPECT_EQ(PrintDocument(printer, t.doc, c.offset).outcome, PrintOutcome::Printed);
        PagePlacement place = Placement(printer, {354, 2833, 118, 47});
        place.geometry.originX += c.dx;
        place.geometry.originY += c.dy;
        ExpectPrintedLabel(RasterisePdf(output, 150, dir.Path()), place, false);
    }
}

// On a sheet the program asks before printing a label that misses the die-cut, then prints it on
// the chosen positions; a sheet the table lacks is said and nothing is printed.
TEST_F(PrintJobTest, OnASheetTheDieCutIsCheckedAndTheChosenPositionsPrinted) {
    t.ws.programDir = QUILLORA_SOURCE_DIR "/data";
    t.settings.medium = {1, "Avery L7676", "2"};
    t.interaction.QueuePrintDialog([](QPrinter& printer) {
        printer.setResolution(150);
        return true;
    });
    t.interaction.QueueAnswer(workspace::Answer::No);
    PrintLabel(t.ws, *selection, &frame);
    EXPECT_FALSE(Exists(output));
    ASSERT_EQ(t.interaction.messages.size(), 1u);
    EXPECT_TRUE(t.interaction.messages[0].text.contains(QString::fromUtf8("ﾀﾞｲｶｯﾄ (117mm) と合いません")));

    t.doc.state.outerMm = 117;
    t.interaction.QueuePrintDialog([](QPrinter&) { return true; });
    PrintLabel(t.ws, *selection, &frame);
    EXPECT_EQ(t.interaction.messages.size(), 1u);
    const QImage page = RasterisePdf(output, 100, dir.Path());
    const QPointF found = RedCentroid(page, page.rect()) * (25.4 / 100);  // position 2 alone
    EXPECT_NEAR(found.x(), 105, 0.3);
    EXPECT_NEAR(found.y(), 217.5, 0.3);
    EXPECT_EQ(selection->Printer().pageLayout().fullRectPoints().size(), QSize(595, 842));

    t.settings.medium.sheet = "No such sheet";
    t.interaction.QueueAnswer(workspace::Answer::Ok);
    PrintLabel(t.ws, *selection, &frame);
    ASSERT_EQ(t.interaction.messages.size(), 2u);
    EXPECT_EQ(t.interaction.messages[1].text, QString::fromUtf8("ﾗﾍﾞﾙｼｰﾄ \"No such sheet\" が見つかりません。"));
}

// The calibration page puts a fine cross on each disc's centre: on every position of a sheet
// from the paper's corner, and on the paper at the document's margins.
TEST_F(PrintJobTest, TheCalibrationPageCrossesLieOnTheCentres) {
    QPrinter& printer = selection->Printer();
    printer.setResolution(300);
    printer.setFullPage(true);
    sheets::SheetTable table = sheets::LoadLabelSheets(QUILLORA_SOURCE_DIR "/data", "");
    const struct {
        std::optional<sheets::LabelSheet> sheet;
        std::vector<QPointF> centres;  // mm from the paper's corner
    } cases[] = {{*sheets::FindSheet(table, "Avery L7676"), {{105, 80.5}, {105, 217.5}}},
                 {std::nullopt, {{75, 75}}}};
    for (const auto& c : cases) {
        ASSERT_EQ(PrintCalibrationPage(printer, t.doc, c.sheet).outcome, PrintOutcome::Printed);
        const QImage page = RasterisePdf(output, 300, dir.Path());
        // Within a dot of the place: lines 0.1 mm wide fall between dots.
        const auto dark = [&](QPointF mm) {
            const QPoint at = (mm * (300 / 25.4)).toPoint();
            int darkest = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) darkest = std::min(darkest, qGray(page.pixel(at + QPoint(dx, dy))));
            return darkest < 160;
        };
        for (const QPointF& centre : c.centres) {
            for (const QPointF arm : {QPointF(0, 0), QPointF(2, 0), QPointF(-2, 0), QPointF(0, 2), QPointF(0, -2)})
                EXPECT_TRUE(dark(centre + arm)) << centre.x() << "," << centre.y() << " + " << arm.x() << "," << arm.y();
            EXPECT_FALSE(dark(centre + QPointF(2, 2))) << "beside the cross";
        }
    }
}

// At 2400 dpi the 120 mm square is 11333 dots wide and goes to the printer in several bands,
// which must join without a seam.
TEST_F(PrintJobTest, ALabelAtAHighResolutionIsSentInBandsThatJoin) {
    QPrinter& printer = selection->Printer();
    printer.setFullPage(true);
    printer.setResolution(2400);
    ASSERT_EQ(PrintDocument(printer, t.doc).outcome, PrintOutcome::Printed);
    const QImage page = RasterisePdf(output, 150, dir.Path());
    const PagePlacement place = Placement(printer, {1416, 11333, 472, 188});  // 19833 dots over 210 mm
    ExpectPrintedLabel(page, place, true);
    // Down a column a quarter of the radius in from the left edge, the disc is unbroken.
    const PrintGeometry& g = place.geometry;
    const double k = place.rasterDpi / place.printerDpi;
    const int x = static_cast<int>((g.originX + g.widthDev / 8.0) * k);
    const int cy = static_cast<int>((g.originY + g.heightDev / 2.0) * k);
    const int half = static_cast<int>(g.heightDev * 0.3 * k);
    for (int y = cy - half; y <= cy + half; ++y) ASSERT_TRUE(IsPrintedRed(page.pixel(x, y))) << "row " << y;
}
