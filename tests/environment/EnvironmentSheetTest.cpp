// The environment settings: the grid's limits and line types, the association's questions and
// messages, arranging on Apply, and Cancel writing nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <memory>

#include "EnsureApplication.h"
#include "TempDir.h"
#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "desktop/FileAssociation.h"
#include "environment/EnvironmentSheet.h"
#include "widgets/ColourSwatch.h"
#include "widgets/NumberField.h"
#include "environment/EnvironmentIds.h"

using namespace quillora;
using workspace::Answer;

namespace {

class EnvironmentSheetTest : public ::testing::Test {
protected:
    EnvironmentSheetTest() { EnsureApplication(); }
    void TearDown() override { EXPECT_TRUE(w.interaction.AllConsumed()); }

    environment::EnvironmentSheet& Sheet() {
        if (!sheet_) sheet_ = std::make_unique<environment::EnvironmentSheet>(w.ws, [this] { ++arranged; });
        return *sheet_;
    }
    widgets::NumberField& Spacing() { return FindChild<widgets::NumberField>(Sheet(), quillora::environment::environment_id::kGridSpacing); }
    void ApplyChange() {
        FindChild<QCheckBox>(Sheet(), quillora::environment::environment_id::kGridVisible).click();
        Sheet().ApplyButton()->click();
    }

    TestWorkspace w;
    int arranged = 0;

private:
    std::unique_ptr<environment::EnvironmentSheet> sheet_;
};

TEST_F(EnvironmentSheetTest, GridSpacingIsKeptWithinFiveToAHundred) {
    const std::pair<QString, int> cases[] = {{"3", 5}, {"150", 100}, {"", 5}, {"37", 37}, {"100", 100}};
    for (const auto& [typed, stored] : cases) {
        Spacing().Edit()->setText(typed);
        ApplyChange();
        EXPECT_EQ(w.settings.grid.spacing, stored) << typed.toStdString();
    }
    // The grid is the window's drawing: repainted, the label not rendered again.
    EXPECT_EQ(w.views.calls, std::vector<std::string>(5, "repaint"));
    EXPECT_EQ(Spacing().Minimum(), 5);
    EXPECT_EQ(Spacing().Maximum(), 100);
}

TEST_F(EnvironmentSheetTest, AnUnknownLineTypeShowsNoneAndIsStoredAsDottedUnlessSolidIsChosen) {
    w.settings.grid.lineType = 5;
    auto& type = FindChild<QComboBox>(Sheet(), quillora::environment::environment_id::kGridLineType);
    EXPECT_EQ(type.currentIndex(), -1);
    ApplyChange();
    EXPECT_EQ(w.settings.grid.lineType, 2);
    type.setCurrentIndex(0);
    ApplyChange();
    EXPECT_EQ(w.settings.grid.lineType, 0);
}

TEST_F(EnvironmentSheetTest, GridColourIsAWorkingCopyUntilApply) {
    w.settings.grid.color = 0x808080;
    w.interaction.QueueColour(QColor(0x11, 0x22, 0x33));
    FindChild<QPushButton>(Sheet(), quillora::environment::environment_id::kChooseGridColour).click();
    ASSERT_EQ(w.interaction.colourFullOpen.size(), 1u);
    EXPECT_TRUE(w.interaction.colourFullOpen[0]);
    EXPECT_EQ(w.interaction.colourRequests[0], QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(FindChild<widgets::ColourSwatch>(Sheet(), quillora::environment::environment_id::kGridColour).Colour(), 0x332211u);
    EXPECT_EQ(w.settings.grid.color, 0x808080u);
    EXPECT_TRUE(Sheet().ApplyButton()->isEnabled());
    Sheet().accept();
    EXPECT_EQ(w.settings.grid.color, 0x332211u);
}

TEST_F(EnvironmentSheetTest, CancelWritesNothing) {
    FindChild<QCheckBox>(Sheet(), quillora::environment::environment_id::kGridVisible).click();
    Spacing().SetValue(50);
    Sheet().Tabs()->setCurrentIndex(2);
    FindChild<QCheckBox>(Sheet(), quillora::environment::environment_id::kAutoArrange).click();
    Sheet().reject();
    EXPECT_EQ(w.settings.grid.visible, 0);
    EXPECT_EQ(w.settings.grid.spacing, 5);
    EXPECT_EQ(w.settings.autoArrange, 0);
    EXPECT_EQ(arranged, 0);
    EXPECT_TRUE(w.views.calls.empty());
}

TEST_F(EnvironmentSheetTest, TurningArrangingOnArrangesAtOnceOnApply) {
    w.settings.showTipsAtStart = 1;
    Sheet().Tabs()->setCurrentIndex(2);
    FindChild<QCheckBox>(Sheet(), quillora::environment::environment_id::kShowTips).click();
    Sheet().ApplyButton()->click();
    EXPECT_EQ(w.settings.showTipsAtStart, 0);
    EXPECT_EQ(arranged, 0);
    FindChild<QCheckBox>(Sheet(), quillora::environment::environment_id::kAutoArrange).click();
    Sheet().ApplyButton()->click();
    EXPECT_EQ(w.settings.autoArrange, 1);
    EXPECT_EQ(arranged, 1);
    // The grid page was shown first and applies too.
    EXPECT_EQ(w.views.calls, std::vector<std::string>(2, "repaint"));
}

TEST_F(EnvironmentSheetTest, PagesNeverShownApplyNothing) {
    w.settings.autoArrange = 1;
    Sheet().accept();
    EXPECT_EQ(arranged, 0);
    EXPECT_EQ(w.views.calls, std::vector<std::string>{"repaint"});
}

class AssociationPageTest : public EnvironmentSheetTest {
protected:
    AssociationPageTest() : saved_(qgetenv("XDG_DATA_HOME")), hadValue_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir_.Path()));
        Sheet().Tabs()->setCurrentIndex(1);
    }
    ~AssociationPageTest() override {
        if (hadValue_) qputenv("XDG_DATA_HOME", saved_);
        else qunsetenv("XDG_DATA_HOME");
    }
    bool Registered() const {
        return QFile::exists(QString::fromStdString(dir_.File("applications/quillora-association.desktop")));
    }

    TempDir dir_;
    QByteArray saved_;
    bool hadValue_;
};

TEST_F(AssociationPageTest, EachButtonAsksAndReportsCompletionWhateverItMet) {
    w.interaction.QueueAnswer(Answer::No);
    FindChild<QPushButton>(Sheet(), quillora::environment::environment_id::kSetAssociation).click();
    EXPECT_FALSE(Registered());
    w.interaction.QueueAnswer(Answer::Yes);
    w.interaction.QueueAnswer(Answer::Ok);
    FindChild<QPushButton>(Sheet(), quillora::environment::environment_id::kSetAssociation).click();
    EXPECT_TRUE(Registered());
    w.interaction.QueueAnswer(Answer::Yes);
    w.interaction.QueueAnswer(Answer::Ok);
    FindChild<QPushButton>(Sheet(), quillora::environment::environment_id::kRemoveAssociation).click();
    EXPECT_FALSE(Registered());
    // Removing what is not there still reports completion.
    w.interaction.QueueAnswer(Answer::Yes);
    w.interaction.QueueAnswer(Answer::Ok);
    FindChild<QPushButton>(Sheet(), quillora::environment::environment_id::kRemoveAssociation).click();

    const auto& m = w.interaction.messages;
    ASSERT_EQ(m.size(), 7u);
    EXPECT_EQ(m[0].text, QStringLiteral("関連付けを設定します。よろしいですか？"));
    EXPECT_EQ(m[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(m[0].icon, workspace::MessageIcon::Question);
    EXPECT_EQ(m[0].buttons, workspace::MessageButtons::YesNo);
    EXPECT_EQ(m[2].text, QStringLiteral("関連付けの設定が完了しました。"));
    EXPECT_EQ(m[2].caption, QStringLiteral("完了"));
    EXPECT_EQ(m[2].buttons, workspace::MessageButtons::Ok);
    EXPECT_EQ(m[3].text, QStringLiteral("関連付けを解除します。よろしいですか？"));
    EXPECT_EQ(m[6].text, QStringLiteral("関連付けの解除が完了しました。"));
    // The page holds no preference: nothing for Apply.
    EXPECT_FALSE(Sheet().ApplyButton()->isEnabled());
}

TEST_F(AssociationPageTest, CancellingTheSheetKeepsTheAssociation) {
    w.interaction.QueueAnswer(Answer::Yes);
    w.interaction.QueueAnswer(Answer::Ok);
    FindChild<QPushButton>(Sheet(), quillora::environment::environment_id::kSetAssociation).click();
    Sheet().reject();
    EXPECT_TRUE(Registered());
    desktop::UnregisterFileAssociation();
}

}  // namespace
