// The background layer dialog: working copies, the border box, and writing the document's
// colours together with the defaults of new documents.
#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "LayerTestWorkspace.h"
#include "widgets/ControlId.h"
#include "layers/BackgroundLayerDialog.h"
#include "widgets/ColourSwatch.h"

using namespace quillora;
using namespace quillora::layers;
using layers::BackgroundLayerDialog;

namespace {

class BackgroundLayerDialogTest : public ::testing::Test {
protected:
    LayerTestWorkspace w;
    void SetUp() override {
        w.doc.state.backColor = 0x00FF00;
        w.doc.state.lineColor = 0x0000FF;
        w.doc.state.borderLine = 1;
    }
    void TearDown() override { EXPECT_TRUE(w.interaction.AllConsumed()); }
};

TEST_F(BackgroundLayerDialogTest, OkWithoutChangesStillWritesAndMakesTheDefaults) {
    w.interaction.QueueDialog([](QDialog& dialog) { return ClickAndFinish(dialog, widgets::kOkId); });
    w.operations.ShowBackgroundSettings();
    EXPECT_TRUE(w.doc.documentModified);
    EXPECT_EQ(w.settings.docDefaults.backColor, 0x00FF00u);
    EXPECT_EQ(w.settings.docDefaults.lineColor, 0x0000FFu);
    EXPECT_EQ(w.settings.docDefaults.borderLine, 1);
    EXPECT_EQ(w.views.calls, std::vector<std::string>{"document"});
    EXPECT_FALSE(w.flags.backgroundDialogOpen);
}

TEST_F(BackgroundLayerDialogTest, BorderBoxDisablesTheColourButtonButKeepsTheColour) {
    BackgroundLayerDialog dialog(w.ws);
    EXPECT_TRUE(w.flags.backgroundDialogOpen);
    auto* box = Control<QCheckBox>(dialog, background_dialog_id::kBorder);
    auto* button = Control<QPushButton>(dialog, background_dialog_id::kLineColourButton);
    w.interaction.QueueColour(QColor(0x11, 0x22, 0x33));
    button->click();
    box->click();
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(Control<widgets::ColourSwatch>(dialog, layers::background_dialog_id::kLineColour)->isEnabled());
    box->click();
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(Control<widgets::ColourSwatch>(dialog, background_dialog_id::kLineColour)->Colour(), 0x332211u);
    // Nothing reaches the document before OK or Apply.
    EXPECT_EQ(w.doc.state.lineColor, 0x0000FFu);
    box->click();
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    EXPECT_EQ(w.doc.state.lineColor, 0x332211u);
    EXPECT_EQ(w.doc.state.borderLine, 0);
    EXPECT_EQ(w.settings.docDefaults.borderLine, 0);
}

TEST_F(BackgroundLayerDialogTest, ApplyThenCancelKeepsTheAppliedColours) {
    BackgroundLayerDialog dialog(w.ws);
    auto* apply = Control<QPushButton>(dialog, background_dialog_id::kApply);
    EXPECT_FALSE(apply->isEnabled());
    w.interaction.QueueColour(std::nullopt);
    Control<QPushButton>(dialog, background_dialog_id::kBackColourButton)->click();
    EXPECT_FALSE(apply->isEnabled());  // a cancelled chooser leaves Apply as it was
    w.interaction.QueueColour(QColor(0xFF, 0, 0));
    Control<QPushButton>(dialog, background_dialog_id::kBackColourButton)->click();
    EXPECT_EQ(w.interaction.colourRequests.at(1), QColor(0, 0xFF, 0));
    EXPECT_TRUE(apply->isEnabled());
    apply->click();
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_EQ(w.doc.state.backColor, 0x0000FFu);
    EXPECT_EQ(w.settings.docDefaults.backColor, 0x0000FFu);
    EXPECT_TRUE(w.doc.documentModified);
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kCancelId), QDialog::Rejected);
    EXPECT_EQ(w.doc.state.backColor, 0x0000FFu);
    EXPECT_FALSE(w.flags.backgroundDialogOpen);
}

}  // namespace
