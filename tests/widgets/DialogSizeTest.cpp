#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "widgets/DialogSize.h"
#include "widgets/UiFont.h"

using namespace quillora::widgets;

class DialogSize : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
};

TEST_F(DialogSize, DialogUnitsComeFromTheLettersAndTheCellOfTheInterfaceFont) {
    const QFont font = UiFont();
    const QFontMetrics metrics(font);
    const QSize base = DialogBaseUnits(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    EXPECT_NEAR(base.width(), letters / 52.0, 0.5 + 1e-9);
    EXPECT_EQ(base.height(), metrics.ascent() + metrics.descent());
    // A 12-pixel cell: 8 vertical units are the cell, so 229 units are about 343 pixels.
    EXPECT_EQ(DialogUnitsToPixels(font, 4, 8), base);
    EXPECT_EQ(DialogUnitsToPixels(font, 207, 229), QSize(207 * base.width() / 4, 229 * base.height() / 8));
}

TEST_F(DialogSize, FixedAtTheTemplateSizeWithOnlyACloseBox) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("短い")));
    FixDialogSize(dialog, 179, 105);
    const QSize expected = DialogUnitsToPixels(UiFont(), 179, 105);
    EXPECT_EQ(dialog.minimumSize(), expected);
    EXPECT_EQ(dialog.maximumSize(), expected);
    EXPECT_EQ(dialog.font(), UiFont());
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags & Qt::MSWindowsFixedSizeDialogHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    dialog.show();
    EXPECT_EQ(dialog.size(), expected);
}

TEST_F(DialogSize, ContentsLargerThanTheTemplateAreNotCut) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* wide = new QLabel(QString(80, QLatin1Char('W')));
    layout->addWidget(wide);
    FixDialogSize(dialog, 40, 20);
    EXPECT_GT(dialog.width(), DialogUnitsToPixels(UiFont(), 40, 20).width());
    // The label is measured in the dialog's font, not the one it had before.
    EXPECT_GE(dialog.width(), QFontMetrics(UiFont()).horizontalAdvance(wide->text()));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}
