#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "windows/NewLabelSizeDialog.h"
#include "widgets/NumberField.h"

using namespace quillora::windows;
using namespace quillora::workspace;
using namespace quillora::widgets;

class NewLabelSizeTest : public ::testing::Test {
protected:
    NewLabelSizeTest() {
        EnsureApplication();
        t.doc.header.outerDiameter = 120;
        t.doc.header.innerDiameter = 30;
    }

    // Types both fields and presses OK.
    bool Enter(const QString& outer, const QString& inner) {
        t.interaction.QueueDialog([&](QDialog& d) {
            FindChild<NumberField>(d, quillora::windows::new_label_id::kOuter).Edit()->setText(outer);
            FindChild<NumberField>(d, quillora::windows::new_label_id::kInner).Edit()->setText(inner);
            FindChild<QPushButton>(d, quillora::widgets::kOkId).click();
            return d.result();
        });
        return AskNewLabelSize(t.ws);
    }

    TestWorkspace t;
};

TEST_F(NewLabelSizeTest, ShowsTheCurrentSize) {
    t.interaction.QueueDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("新規作成"));
        EXPECT_EQ(FindChild<NumberField>(d, quillora::windows::new_label_id::kOuter).Edit()->text(), QStringLiteral("120"));
        EXPECT_EQ(FindChild<NumberField>(d, quillora::windows::new_label_id::kInner).Edit()->text(), QStringLiteral("30"));
        EXPECT_EQ(FindChild<NumberField>(d, quillora::windows::new_label_id::kOuter).Maximum(), 300);
        EXPECT_EQ(FindChild<NumberField>(d, quillora::windows::new_label_id::kInner).Minimum(), 1);
        EXPECT_EQ(FindChild<QPushButton>(d, quillora::widgets::kCancelId).text(), QString::fromUtf8("ｷｬﾝｾﾙ"));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(AskNewLabelSize(t.ws));
}

TEST_F(NewLabelSizeTest, TypedValuesAreLimitedToOneThroughThreeHundred) {
    ASSERT_TRUE(Enter(QStringLiteral("0"), QStringLiteral("500")));
    EXPECT_EQ(t.doc.header.outerDiameter, 1);
    EXPECT_EQ(t.doc.header.innerDiameter, 300);
    ASSERT_TRUE(Enter(QString(), QStringLiteral("300")));
    EXPECT_EQ(t.doc.header.outerDiameter, 1);
    EXPECT_EQ(t.doc.header.innerDiameter, 300);
    ASSERT_TRUE(Enter(QStringLiteral("99999999999"), QStringLiteral("1")));  // too long to be a number
    EXPECT_EQ(t.doc.header.outerDiameter, 1);
    EXPECT_EQ(t.doc.header.innerDiameter, 1);
}

TEST_F(NewLabelSizeTest, InnerLargerThanOuterIsAccepted) {
    ASSERT_TRUE(Enter(QStringLiteral("100"), QStringLiteral("120")));
    EXPECT_EQ(t.doc.header.outerDiameter, 100);
    EXPECT_EQ(t.doc.header.innerDiameter, 120);
}

TEST_F(NewLabelSizeTest, CancelStoresNothing) {
    t.interaction.QueueDialog([](QDialog& d) {
        FindChild<NumberField>(d, quillora::windows::new_label_id::kOuter).Edit()->setText(QStringLiteral("80"));
        FindChild<QPushButton>(d, quillora::widgets::kCancelId).click();
        return d.result();
    });
    EXPECT_FALSE(AskNewLabelSize(t.ws));
    EXPECT_EQ(t.doc.header.outerDiameter, 120);
    EXPECT_EQ(t.doc.header.innerDiameter, 30);
}
