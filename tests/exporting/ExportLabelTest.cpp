#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <filesystem>

#include "EnsureApplication.h"
#include "TempDir.h"
#include "TestDocuments.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "exporting/ExportIds.h"
#include "exporting/ExportLabel.h"
#include "widgets/NumberField.h"

namespace quillora::exporting {
namespace {

class ExportLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        t.doc = render::NewLabel(120, 30);
        t.doc.documentOpen = true;
        t.doc.currentFileName = dir.File("disc.qlr");
    }

    // Queues the dialog: the format's button and the typed resolution, then OK.
    void QueueChoice(int formatId, const QString& dpi) {
        t.interaction.QueueDialog([formatId, dpi](QDialog& dialog) {
            FindChild<QRadioButton>(dialog, formatId).setChecked(true);
            FindChild<widgets::NumberField>(dialog, kIdDpi).Edit()->setText(dpi);
            dialog.accept();
            return dialog.result();
        });
    }

    TempDir dir;
    TestWorkspace t;
};

TEST_F(ExportLabelTest, WritesTheChosenFormatBesideTheLabelAndRemembersTheChoice) {
    QueueChoice(kIdPdf, QStringLiteral("2000"));  // beyond the range: 1200
    t.interaction.QueueSaveFile(QString::fromStdString(dir.File("out")));
    ExportLabel(t.ws);
    ASSERT_TRUE(t.interaction.AllConsumed());
    ASSERT_EQ(t.interaction.fileChoices.size(), 1u);
    EXPECT_EQ(t.interaction.fileChoices[0].title, QStringLiteral("ｴｸｽﾎﾟｰﾄ"));
    EXPECT_EQ(t.interaction.fileChoices[0].initialPath, QString::fromStdString(dir.File("disc.pdf")));
    EXPECT_TRUE(t.interaction.fileChoices[0].filter.contains(QStringLiteral("*.pdf")));
    EXPECT_EQ(ReadWholeFile(dir.File("out.pdf")).substr(0, 5), "%PDF-");
    EXPECT_EQ(t.settings.exportFormat, 1);
    EXPECT_EQ(t.settings.exportDpi, 1200);
    EXPECT_TRUE(t.interaction.messages.empty());

    // Cancelled in the dialog: no chooser, no file.
    t.interaction.QueueDialog([](QDialog&) { return int(QDialog::Rejected); });
    ExportLabel(t.ws);
    EXPECT_EQ(t.interaction.fileChoices.size(), 1u);
}

TEST_F(ExportLabelTest, AnUnwritableTargetGivesTheUsualWarning) {
    QueueChoice(kIdPng, QStringLiteral("150"));
    const QString target = QString::fromStdString(dir.File("no/such/folder/out.png"));
    t.interaction.QueueSaveFile(target);
    t.interaction.QueueAnswer(workspace::Answer::Ok);
    ExportLabel(t.ws);
    ASSERT_EQ(t.interaction.messages.size(), 1u);
    EXPECT_EQ(t.interaction.messages[0].caption, QStringLiteral("警告"));
    EXPECT_EQ(t.interaction.messages[0].text, QStringLiteral("\"%1\" に書き込めません。").arg(target));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 0);
}

}  // namespace
}  // namespace quillora::exporting
