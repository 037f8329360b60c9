#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QApplication>
#include <gtest/gtest.h>

#include "print/PrintControlIds.h"
#include "EnsureApplication.h"
#include "TempDir.h"
#include "TestDocuments.h"
#include "TestPrinters.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "print/MediumDialog.h"
#include "print/PrintSettingsDialog.h"
#include "print/PrinterSetup.h"
#include "widgets/NumberField.h"

using namespace quillora;
using namespace quillora::print;

class PrintSettingsTest : public ::testing::Test {
protected:
    QApplication& app = EnsureApplication();  // before any printer
    PrintSettingsTest() {
        t.doc = render::NewLabel(120, 30);
        t.doc.header.marginTop = 15;
        t.doc.header.marginLeft = 20;
        t.doc.header.cropMarks = 0;
    }

    static void Type(QDialog& d, const QString& top, const QString& left, bool cropMarks) {
        FindChild<widgets::NumberField>(d, print::kIdMarginTop).Edit()->setText(top);
        FindChild<widgets::NumberField>(d, print::kIdMarginLeft).Edit()->setText(left);
        FindChild<QCheckBox>(d, print::kIdCropMarks).setChecked(cropMarks);
    }

    static void Press(QDialog& d, int id) { FindChild<QPushButton>(d, ("id" + std::to_string(id)).c_str()).click(); }

    TempDir dir;
    TestWorkspace t;
    std::unique_ptr<PrinterSelection> selection = PdfFileSelection(dir.File("out.pdf"));
};

TEST_F(PrintSettingsTest, ShowsTheLabelsSettingsWithOkFocused) {
    t.doc.header.cropMarks = 1;
    t.interaction.QueueDialog([](QDialog& d) {
        EXPECT_EQ(FindChild<widgets::NumberField>(d, print::kIdMarginTop).Edit()->text(), QStringLiteral("15"));
        EXPECT_EQ(FindChild<widgets::NumberField>(d, print::kIdMarginLeft).Edit()->text(), QStringLiteral("20"));
        EXPECT_TRUE(FindChild<QCheckBox>(d, print::kIdCropMarks).isChecked());
        EXPECT_EQ(d.focusWidget(), &FindChild<QPushButton>(d, widgets::kOkId));
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(ShowPrintSettings(t.ws, *selection), int(QDialog::Rejected));
}

TEST_F(PrintSettingsTest, OkStoresTheMarginsAsTypedSignedAndTheCheckBox) {
    t.interaction.QueueDialog([](QDialog& d) {
        Type(d, QStringLiteral("-5"), QStringLiteral("250"), true);
        Press(d, 1);
        return d.result();
    });
    EXPECT_EQ(ShowPrintSettings(t.ws, *selection), int(QDialog::Accepted));
    EXPECT_EQ(t.doc.header.marginTop, -5);
    EXPECT_EQ(t.doc.header.marginLeft, 250);
    EXPECT_EQ(t.doc.header.cropMarks, 1);

    t.interaction.QueueDialog([](QDialog& d) {
        Type(d, QStringLiteral("abc"), QStringLiteral("7"), false);
        Press(d, 1);
        return d.result();
    });
    ShowPrintSettings(t.ws, *selection);
    EXPECT_EQ(t.doc.header.marginTop, 0);
    EXPECT_EQ(t.doc.header.marginLeft, 7);
    EXPECT_EQ(t.doc.header.cropMarks, 0);
}

TEST_F(PrintSettingsTest, CancelStoresNothing) {
    t.interaction.QueueDialog([](QDialog& d) {
        Type(d, QStringLiteral("1"), QStringLiteral("2"), true);
        Press(d, 2);
        return d.result();
    });
    EXPECT_EQ(ShowPrintSettings(t.ws, *selection), int(QDialog::Rejected));
    EXPECT_EQ(t.doc.header.marginTop, 15);
    EXPECT_EQ(t.doc.header.marginLeft, 20);
    EXPECT_EQ(t.doc.header.cropMarks, 0);
}

TEST_F(PrintSettingsTest, PrintStoresFirstAndCancelKeepsWhatThePrintUsed) {
    QDialog* settings = nullptr;
    t.interaction.QueueDialog([&](QDialog& d) {
        settings = &d;
        Type(d, QStringLiteral("30"), QStringLiteral("40"), true);
        Press(d, 1094);
        EXPECT_TRUE(d.isVisible());  // the dialog stays open
        Type(d, QStringLiteral("99"), QStringLiteral("99"), false);
        Press(d, 2);
        return d.result();
    });
    t.interaction.QueuePrintDialog([&](QPrinter&) {
        EXPECT_EQ(t.doc.header.marginTop, 30);
        EXPECT_EQ(t.doc.header.marginLeft, 40);
        EXPECT_EQ(t.doc.header.cropMarks, 1);
        return false;
    });
    ShowPrintSettings(t.ws, *selection);
    EXPECT_EQ(t.doc.header.marginTop, 30);
    EXPECT_EQ(t.doc.header.marginLeft, 40);
    EXPECT_EQ(t.doc.header.cropMarks, 1);
    ASSERT_EQ(t.interaction.printDialogOwners.size(), 1u);
    EXPECT_EQ(t.interaction.printDialogOwners[0], settings);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST_F(PrintSettingsTest, PreviewStoresFirstAndOpensOwnedByTheSettings) {
    QDialog* settings = nullptr;
    t.interaction.QueueDialog([&](QDialog& d) {
        settings = &d;
        Type(d, QStringLiteral("5"), QStringLiteral("6"), true);
        Press(d, 1095);
        Press(d, 2);
        return d.result();
    });
    t.interaction.QueueDialog([&](QDialog& preview) {
        EXPECT_EQ(preview.parentWidget(), settings);
        EXPECT_EQ(t.doc.header.marginTop, 5);
        EXPECT_EQ(t.doc.header.marginLeft, 6);
        return int(QDialog::Rejected);
    });
    ShowPrintSettings(t.ws, *selection);
    EXPECT_EQ(t.doc.header.marginTop, 5);
    EXPECT_EQ(t.interaction.dialogTitles.size(), 2u);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

TEST_F(PrintSettingsTest, PrinterSetupChangesThePrinterOfTheSelectionAndStoresNothing) {
    QDialog* settings = nullptr;
    t.interaction.QueueDialog([&](QDialog& d) {
        settings = &d;
        Type(d, QStringLiteral("5"), QStringLiteral("6"), true);
        Press(d, 1097);
        Press(d, 2);
        return d.result();
    });
    t.interaction.QueuePrinterSetup([](QPrinter& printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    ShowPrintSettings(t.ws, *selection);
    EXPECT_EQ(selection->Printer().pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(t.doc.header.marginTop, 15);
    ASSERT_EQ(t.interaction.printDialogOwners.size(), 1u);
    EXPECT_EQ(t.interaction.printDialogOwners[0], settings);

    // From the frame: the same printer, owned by the frame.
    QWidget frame;
    t.ws.frame = &frame;
    t.interaction.QueuePrinterSetup([](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        return false;
    });
    PrinterSetup(t.ws, *selection, t.ws.frame);
    EXPECT_EQ(t.interaction.printDialogOwners.back(), &frame);
    EXPECT_TRUE(t.interaction.AllConsumed());
}

// The medium dialog keeps a sheet only with positions the sheet has; ｷｬﾝｾﾙ keeps nothing.
TEST_F(PrintSettingsTest, TheMediumDialogStoresASheetWithItsPositionsAndCancelKeepsNothing) {
    t.ws.programDir = QUILLORA_SOURCE_DIR "/data";
    const auto choose = [](const char* positions) {
        return [positions](QDialog& d) {
            FindChild<QRadioButton>(d, kIdMediumSheet).setChecked(true);
            auto& list = FindChild<QComboBox>(d, kIdSheetList);
            list.setCurrentIndex(list.findText(QStringLiteral("Avery L7676")));
            EXPECT_TRUE(FindChild<QLabel>(d, kIdSheetDetails).text().contains(QStringLiteral("A4")));
            FindChild<QLineEdit>(d, kIdPositions).setText(QString::fromLatin1(positions));
            // A file has no calibration.
            EXPECT_FALSE(FindChild<QDoubleSpinBox>(d, kIdOffsetX).isEnabled());
            return int(QDialog::Rejected);
        };
    };
    t.interaction.QueueDialog(choose("2"));
    ShowMediumDialog(t.ws, *selection);
    EXPECT_EQ(t.settings.medium.kind, 0);

    t.interaction.QueueDialog([&](QDialog& d) {
        choose("3")(d);
        t.interaction.QueueAnswer(workspace::Answer::Ok);
        d.accept();  // refused: the sheet has two positions
        EXPECT_FALSE(d.result() == QDialog::Accepted);
        EXPECT_EQ(t.interaction.messages.size(), 1u);
        EXPECT_TRUE(t.interaction.messages.back().text.contains(QString::fromUtf8("1～2")));
        Press(d, kIdAllPositions);
        d.accept();
        return d.result();
    });
    ShowMediumDialog(t.ws, *selection);
    EXPECT_EQ(t.settings.medium.kind, 1);
    EXPECT_EQ(t.settings.medium.sheet, "Avery L7676");
    EXPECT_EQ(t.settings.medium.positions, "1-2");
    EXPECT_TRUE(t.settings.printerOffsets.empty());
}
