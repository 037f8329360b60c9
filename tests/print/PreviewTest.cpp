#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "print/PrintControlIds.h"
#include "EnsureApplication.h"
#include "TempDir.h"
#include "TestDocuments.h"
#include "TestPrinters.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "print/PaperSizeDialog.h"
#include "print/PreviewPage.h"
#include "print/PrintPreview.h"
#include "print/PrintPreviewDialog.h"
#include "widgets/NumberField.h"

using namespace quillora;
using namespace quillora::print;

namespace {
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(192, 192, 192);
}  // namespace

TEST(PreviewPage, A4WithMarginsFifteenShowsTheRingOfA120By30Label) {
    document::LabelDocument doc = render::NewLabel(120, 30);
    doc.header.marginLeft = 15;
    doc.header.marginTop = 15;
    const QImage page = PreviewPage({210, 297}, doc);
    ASSERT_EQ(page.size(), QSize(210, 297));
    // The ring from (15, 15) to (135, 135), right and bottom edges outside.
    EXPECT_EQ(page.pixel(15, 75), kGrey);
    EXPECT_EQ(page.pixel(14, 75), kWhite);
    EXPECT_EQ(page.pixel(134, 75), kGrey);
    EXPECT_EQ(page.pixel(135, 75), kWhite);
    EXPECT_EQ(page.pixel(75, 15), kGrey);
    EXPECT_EQ(page.pixel(75, 14), kWhite);
    EXPECT_EQ(page.pixel(75, 134), kGrey);
    EXPECT_EQ(page.pixel(75, 135), kWhite);
    // The hole from (60, 60) to (90, 90).
    EXPECT_EQ(page.pixel(59, 75), kGrey);
    EXPECT_EQ(page.pixel(60, 75), kWhite);
    EXPECT_EQ(page.pixel(89, 75), kWhite);
    EXPECT_EQ(page.pixel(90, 75), kGrey);
    EXPECT_EQ(page.pixel(75, 59), kGrey);
    EXPECT_EQ(page.pixel(75, 60), kWhite);
    // The square's corners and the rest of the sheet are paper.
    EXPECT_EQ(page.pixel(16, 16), kWhite);
    EXPECT_EQ(page.pixel(209, 296), kWhite);
}

TEST(PreviewPage, ALabelBeyondThePaperIsCutAtItsEdge) {
    document::LabelDocument doc = render::NewLabel(120, 30);
    doc.header.marginLeft = 100;
    doc.header.marginTop = 0;
    const QImage page = PreviewPage({148, 210}, doc);
    EXPECT_EQ(page.size(), QSize(148, 210));
    EXPECT_EQ(page.pixel(147, 10), kGrey);
}

// On a sheet every die-cut shows in grey and the ring on the chosen positions only, moved by the
// calibration.
TEST(PreviewPage, ASheetShowsItsDieCutsAndTheRingOnTheChosenPositions) {
    const document::LabelDocument doc = render::NewLabel(116, 20);
    const sheets::LabelSheet sheet{"Two", "", "", 200, 250, 118, 40, {{60, 60}, {140, 190}}};
    const struct {
        std::vector<int> positions;
        settings::PrinterOffset offset;
    } cases[] = {{{0}, {}}, {{1}, {20, -10}}, {{0, 1}, {}}};
    for (const auto& c : cases) {
        const QImage page = SheetPreviewPage({sheet, c.positions, c.offset}, doc);
        ASSERT_EQ(page.size(), QSize(200, 250));
        for (int i = 0; i < 2; ++i) {
            const QPoint centre = QPointF(sheet.centres[i].x, sheet.centres[i].y).toPoint();
            const QPoint moved = centre + QPoint(c.offset.xTenths / 10, c.offset.yTenths / 10);
            const bool chosen = std::find(c.positions.begin(), c.positions.end(), i) != c.positions.end();
            EXPECT_EQ(page.pixel(moved + QPoint(-40, 0)), chosen ? kGrey : kWhite) << "position " << i;
            EXPECT_EQ(page.pixel(moved + QPoint(0, 30)), chosen ? kGrey : kWhite) << "position " << i;
            int darkest = 255;
            for (int x = -60; x <= -58; ++x) darkest = std::min(darkest, qGray(page.pixel(centre + QPoint(x, 0))));
            EXPECT_LT(darkest, 200) << "die-cut of position " << i;
        }
    }
}

class PreviewDialogTest : public ::testing::Test {
protected:
    PreviewDialogTest() {
        EnsureApplication();
        t.doc = render::NewLabel(120, 30);
        t.doc.header.marginLeft = 15;
        t.doc.header.marginTop = 15;
        t.doc.header.previewPaperWidth = 210;
        t.doc.header.previewPaperHeight = 297;
    }

    // Expects the preview of a page of `size` and closes it with `close`.
    void ExpectPreview(QSize size, std::function<void(QDialog&)> close) {
        t.interaction.QueueDialog([size, close](QDialog& d) {
            auto* preview = dynamic_cast<PrintPreviewDialog*>(&d);
            EXPECT_NE(preview, nullptr);
            if (!preview) return int(QDialog::Rejected);
            EXPECT_EQ(d.windowTitle(),
                      QString::fromUtf8("印刷ﾌﾟﾚﾋﾞｭｰ [%1mm×%2mm]").arg(size.width()).arg(size.height()));
            EXPECT_EQ(preview->Page().size(), size);
            EXPECT_EQ(d.size(), size + QSize(20, 50));
            close(d);
            EXPECT_FALSE(d.isVisible());
            return d.result();
        });
    }

    TempDir dir;
    TestWorkspace t;
};

TEST_F(PreviewDialogTest, TheCloseButtonEscapeAndTheCloseBoxAllClose) {
    auto selection = PdfFileSelection(dir.File("out.pdf"));
    ExpectPreview({210, 297}, [](QDialog& d) {
        auto& close = FindChild<QPushButton>(d, widgets::kCancelId);
        EXPECT_EQ(close.text(), QString::fromUtf8("閉じる"));
        EXPECT_LT(close.geometry().bottom(), PrintPreviewDialog::kPageY);
        close.click();
    });
    ExpectPreview({210, 297}, [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    ExpectPreview({210, 297}, [](QDialog& d) { d.close(); });
    for (int i = 0; i < 3; ++i) ShowPrintPreview(t.ws, *selection, nullptr);
    EXPECT_EQ(t.interaction.beeps, 0);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST_F(PreviewDialogTest, ThePageAndItsShadowArePaintedBesideTheButton) {
    PrintPreviewDialog dialog(PreviewPage({210, 297}, t.doc), QString(), {}, nullptr);
    const QImage shown = dialog.grab().toImage();
    EXPECT_EQ(shown.pixel(10 + 75, 40 + 75), kWhite);                 // the hole
    EXPECT_EQ(shown.pixel(10 + 75, 40 + 20), kGrey);                  // the ring
    const QRgb shadow = dialog.palette().color(QPalette::Dark).rgb();
    EXPECT_EQ(shown.pixel(10 + 212, 40 + 100), shadow);               // right of the page
    EXPECT_EQ(shown.pixel(10 + 100, 40 + 299), shadow);               // below it
    EXPECT_NE(shown.pixel(10 + 2, 40 + 299), shadow);                 // the shadow starts 5 further
}

TEST_F(PreviewDialogTest, ALandscapePrinterGivesTheTurnedPaperWithoutAsking) {
    auto selection = PdfFileSelection(dir.File("out.pdf"), QPageSize::A4, QPageLayout::Landscape);
    t.doc.header.previewPaperWidth = 100;
    ExpectPreview({297, 210}, [](QDialog& d) { d.reject(); });
    ShowPrintPreview(t.ws, *selection, nullptr);
    EXPECT_EQ(t.interaction.beeps, 0);
    EXPECT_EQ(t.doc.header.previewPaperWidth, 297);
    EXPECT_EQ(t.doc.header.previewPaperHeight, 210);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST_F(PreviewDialogTest, OtherPapersComeFromTheirSize) {
    auto selection = PdfFileSelection(dir.File("out.pdf"), QPageSize::Letter);
    ExpectPreview({215, 279}, [](QDialog& d) { d.reject(); });
    ShowPrintPreview(t.ws, *selection, nullptr);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST_F(PreviewDialogTest, WithoutPaperABeepAndTheSizeDialogPrefilledWithTheLastSize) {
    auto selection = NoPrinterSelection();
    t.doc.header.previewPaperWidth = 182;
    t.doc.header.previewPaperHeight = 257;
    t.interaction.QueueDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("用紙ｻｲｽﾞの指定"));
        auto& width = FindChild<widgets::NumberField>(d, print::kIdPaperWidth);
        auto& height = FindChild<widgets::NumberField>(d, print::kIdPaperHeight);
        EXPECT_EQ(width.Edit()->text(), QStringLiteral("182"));
        EXPECT_EQ(height.Edit()->text(), QStringLiteral("257"));
        EXPECT_EQ(width.Minimum(), 1);
        EXPECT_EQ(height.Maximum(), 1000);
        EXPECT_EQ(FindChild<QPushButton>(d, print::kIdA4Portrait).text(), QString::fromUtf8("A4 縦置き(&V)"));
        EXPECT_EQ(FindChild<QPushButton>(d, print::kIdA4Landscape).text(), QString::fromUtf8("A4 横置き(&O)"));
        width.Edit()->setText(QStringLiteral("0"));
        FindChild<QPushButton>(d, widgets::kOkId).click();
        return d.result();
    });
    ExpectPreview({1, 257}, [](QDialog& d) { d.reject(); });
    ShowPrintPreview(t.ws, *selection, nullptr);
    EXPECT_EQ(t.interaction.beeps, 1);
    EXPECT_EQ(t.doc.header.previewPaperWidth, 1);
    EXPECT_EQ(t.doc.header.previewPaperHeight, 257);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST_F(PreviewDialogTest, CancelInThePaperSizeDialogStoresNothingAndShowsNoPreview) {
    auto selection = NoPrinterSelection();
    t.interaction.QueueDialog([](QDialog& d) {
        FindChild<QPushButton>(d, print::kIdA4Landscape).click();  // A4 landscape, then cancelled
        FindChild<QPushButton>(d, widgets::kCancelId).click();
        return d.result();
    });
    ShowPrintPreview(t.ws, *selection, nullptr);
    EXPECT_EQ(t.interaction.beeps, 1);
    EXPECT_EQ(t.doc.header.previewPaperWidth, 210);
    EXPECT_EQ(t.doc.header.previewPaperHeight, 297);
    EXPECT_EQ(t.interaction.dialogTitles.size(), 1u);
}

TEST_F(PreviewDialogTest, ThePresetButtonsSetA4UprightAndTurned) {
    auto selection = NoPrinterSelection();
    t.doc.header.previewPaperWidth = 5;
    t.doc.header.previewPaperHeight = 5;
    t.interaction.QueueDialog([](QDialog& d) {
        FindChild<QPushButton>(d, print::kIdA4Landscape).click();
        FindChild<QPushButton>(d, widgets::kOkId).click();
        return d.result();
    });
    ExpectPreview({297, 210}, [](QDialog& d) { d.reject(); });
    t.interaction.QueueDialog([](QDialog& d) {
        FindChild<QPushButton>(d, print::kIdA4Portrait).click();
        FindChild<QPushButton>(d, widgets::kOkId).click();
        return d.result();
    });
    ExpectPreview({210, 297}, [](QDialog& d) { d.reject(); });
    ShowPrintPreview(t.ws, *selection, nullptr);
    EXPECT_EQ(t.doc.header.previewPaperWidth, 297);
    ShowPrintPreview(t.ws, *selection, nullptr);
    EXPECT_EQ(t.doc.header.previewPaperWidth, 210);
    EXPECT_EQ(t.doc.header.previewPaperHeight, 297);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST(PaperSizeDialog, TypedSizesBelowOneOrBeyondTheIntRangeAreStoredAsOne) {
    EXPECT_EQ(StoredPaperDimension(QStringLiteral("250")), 250);
    EXPECT_EQ(StoredPaperDimension(QStringLiteral(" 2000 ")), 2000);  // the range limits the arrows only
    EXPECT_EQ(StoredPaperDimension(QStringLiteral("0")), 1);
    EXPECT_EQ(StoredPaperDimension(QString()), 1);
    EXPECT_EQ(StoredPaperDimension(QStringLiteral("-5")), 1);
    EXPECT_EQ(StoredPaperDimension(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(StoredPaperDimension(QStringLiteral("2147483648")), 1);
    EXPECT_EQ(StoredPaperDimension(QStringLiteral("99999999999")), 1);
    EXPECT_EQ(StoredPaperDimension(QStringLiteral("21a")), 1);
}
