// The picture layer dialog: choosing the file, the natural size, enabling by placement, the
// readability check, Apply replacing the picture and Cancel keeping a chosen path.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "LayerTestWorkspace.h"
#include "widgets/ControlId.h"
#include "layers/PictureLayerDialog.h"
#include "text/FixedField.h"
#include "widgets/NumberField.h"

using namespace quillora;
using namespace quillora::layers;
using layers::DialogVariant;
using layers::PictureLayerDialog;
using widgets::NumberField;

namespace {

class PictureLayerDialogTest : public ::testing::Test {
protected:
    LayerTestWorkspace w;
    std::string big, tiny;

    void SetUp() override {
        big = MakeBmp("big.bmp", 1000, 750);
        tiny = MakeBmp("tiny.bmp", 2, 2);
    }
    void TearDown() override { EXPECT_TRUE(w.interaction.AllConsumed()); }

    std::string MakeBmp(const char* name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB888);
        image.fill(QColor(10, 20, 30));
        std::string path = w.dir.File(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
        return path;
    }
    int Value(QDialog& d, int id) { return Control<NumberField>(d, id)->Value(); }
    void Type(QDialog& d, int id, const char* text) { Control<NumberField>(d, id)->Edit()->setText(text); }
    void SetPath(const std::string& path) { text::StoreField(w.settings.picture.picturePath, path); }
    // A picture layer at position 1 made from `path` the way a confirmed dialog makes it.
    int AddPicture(const std::string& path) {
        SetPath(path);
        w.interaction.QueueDialog([](QDialog& d) { return ClickAndFinish(d, widgets::kOkId); });
        w.operations.NewPictureLayer();
        return w.SlotAt(w.doc.state.selectedPos);
    }
};

TEST_F(PictureLayerDialogTest, ChosenFileProposesItsNaturalSizeAndResetRestoresIt) {
    PictureLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("新規画像ﾚｲﾔｰ"));
    EXPECT_EQ(Control<QPushButton>(dialog, picture_dialog_id::kApply), nullptr);
    EXPECT_TRUE(w.flags.pictureDialogOpen);
    w.interaction.QueueOpenFile(QString::fromStdString(big));
    Control<QPushButton>(dialog, picture_dialog_id::kBrowse)->click();
    ASSERT_EQ(w.interaction.fileChoices.size(), 1u);
    EXPECT_EQ(w.interaction.fileChoices[0].title, QStringLiteral("画像ﾌｧｲﾙの選択"));
    EXPECT_EQ(w.interaction.fileChoices[0].filter, w.ws.pictureFilter);
    EXPECT_EQ(text::FieldView(w.settings.picture.picturePath), big);
    EXPECT_EQ(w.settings.picture.imageWidthPx, 1000);
    EXPECT_EQ(w.settings.picture.imageHeightPx, 750);
    EXPECT_EQ(Value(dialog, 1056), 333);
    EXPECT_EQ(Value(dialog, 1058), 250);
    EXPECT_TRUE(Control<QLabel>(dialog, layers::picture_dialog_id::kPath)->text().endsWith(QStringLiteral("big.bmp")));

    Type(dialog, 1056, "5");
    Type(dialog, 1058, "6");
    Control<QPushButton>(dialog, picture_dialog_id::kResetSize)->click();
    EXPECT_EQ(Value(dialog, 1056), 333);
    EXPECT_EQ(Value(dialog, 1058), 250);
    dialog.reject();
    EXPECT_FALSE(w.flags.pictureDialogOpen);
}

TEST_F(PictureLayerDialogTest, TinyPictureProposesZeroAndIsStoredAsOneByOne) {
    SetPath(tiny);
    PictureLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    Control<QPushButton>(dialog, picture_dialog_id::kResetSize)->click();
    EXPECT_EQ(Value(dialog, 1056), 0);
    EXPECT_EQ(Value(dialog, 1058), 0);
    Type(dialog, 1052, "600");
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    EXPECT_EQ(w.settings.picture.widthMm, 1);
    EXPECT_EQ(w.settings.picture.heightMm, 1);
    EXPECT_EQ(w.settings.picture.posX, 600);
    EXPECT_EQ(w.settings.picture.imageWidthPx, 2);
}

TEST_F(PictureLayerDialogTest, UnreadableFileIsReportedAndTheDialogStaysOpen) {
    SetPath("");
    PictureLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    dialog.show();
    w.interaction.QueueAnswer(workspace::Answer::Ok);
    Control<QPushButton>(dialog, widgets::kOkId)->click();
    ASSERT_EQ(w.interaction.messages.size(), 1u);
    EXPECT_EQ(w.interaction.messages[0].text, QStringLiteral("読込不可能なﾌｧｲﾙです。"));
    EXPECT_EQ(w.interaction.messages[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(w.interaction.messages[0].icon, workspace::MessageIcon::Stop);
    EXPECT_EQ(w.interaction.messages[0].owner, &dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(w.flags.pictureDialogOpen);
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kCancelId), QDialog::Rejected);
}

TEST_F(PictureLayerDialogTest, PlacementEnablesItsFieldsAndDisabledValuesAreStillRead) {
    SetPath(big);
    w.settings.picture.placement = 0;
    PictureLayerDialog dialog(w.ws, DialogVariant::NewLayer);
    auto enabled = [&](int id) { return dialog.findChild<QWidget*>(QStringLiteral("id%1").arg(id))->isEnabled(); };
    EXPECT_TRUE(enabled(1052));
    EXPECT_TRUE(enabled(1056));
    EXPECT_FALSE(enabled(1072));

    Control<QRadioButton>(dialog, picture_dialog_id::kFill)->click();
    EXPECT_FALSE(enabled(1052));
    EXPECT_FALSE(enabled(1054));
    EXPECT_FALSE(enabled(1056));
    EXPECT_FALSE(enabled(1058));
    EXPECT_FALSE(enabled(1071));
    EXPECT_TRUE(enabled(1072));

    Control<QRadioButton>(dialog, picture_dialog_id::kCentred)->click();
    EXPECT_FALSE(enabled(1052));
    EXPECT_TRUE(enabled(1056));
    EXPECT_TRUE(enabled(1071));
    EXPECT_FALSE(enabled(1072));

    Control<QRadioButton>(dialog, picture_dialog_id::kFill)->click();
    Control<QCheckBox>(dialog, picture_dialog_id::kKeepAspect)->click();
    Type(dialog, 1052, "77");
    Type(dialog, 1058, "640");
    EXPECT_EQ(ClickAndFinish(dialog, widgets::kOkId), QDialog::Accepted);
    EXPECT_EQ(w.settings.picture.placement, 2);
    EXPECT_EQ(w.settings.picture.keepAspect, 1);
    EXPECT_EQ(w.settings.picture.posX, 77);
    EXPECT_EQ(w.settings.picture.heightMm, 640);
}

TEST_F(PictureLayerDialogTest, NewPictureLayerIsNamedAfterItsFileAndGetsItsPicture) {
    int slot = AddPicture(big);
    const auto& layer = w.doc.layers[slot];
    EXPECT_EQ(layer.kind, document::LayerKind::Picture);
    EXPECT_EQ(layer.visible, 1);
    EXPECT_EQ(text::FieldView(layer.name), "big.bmp");
    EXPECT_EQ(text::FieldView(layer.picturePath), big);
    ASSERT_TRUE(w.doc.pictures[slot]);
    EXPECT_EQ(w.doc.pictures[slot]->width, 1000);

    // A copy shows the same decoded pixels, held once.
    w.operations.CopyLayer(w.doc.state.selectedPos);
    int copy = w.SlotAt(w.doc.state.selectedPos);
    ASSERT_NE(copy, slot);
    EXPECT_EQ(w.doc.pictures[copy], w.doc.pictures[slot]);
}

TEST_F(PictureLayerDialogTest, CancelKeepsAChosenPathInTheSettingsButNotInTheLayer) {
    int slot = AddPicture(big);
    w.interaction.QueueDialog([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("画像ﾚｲﾔｰの設定"));
        w.interaction.QueueOpenFile(QString::fromStdString(tiny));
        Control<QPushButton>(dialog, picture_dialog_id::kBrowse)->click();
        return ClickAndFinish(dialog, widgets::kCancelId);
    });
    w.operations.EditLayerProperties(w.doc.state.selectedPos);
    EXPECT_EQ(text::FieldView(w.settings.picture.picturePath), tiny);
    EXPECT_EQ(text::FieldView(w.doc.layers[slot].picturePath), big);
    EXPECT_EQ(w.doc.pictures[slot]->width, 1000);
}

TEST_F(PictureLayerDialogTest, ApplyReplacesThePictureOfAHiddenLayerAndLeavesItHidden) {
    int slot = AddPicture(big);
    w.doc.layers[slot].visible = 0;
    w.views.calls.clear();
    w.interaction.QueueDialog([&](QDialog& dialog) {
        auto* apply = Control<QPushButton>(dialog, picture_dialog_id::kApply);
        EXPECT_FALSE(apply->isEnabled());
        w.interaction.QueueOpenFile(QString::fromStdString(tiny));
        Control<QPushButton>(dialog, picture_dialog_id::kBrowse)->click();
        EXPECT_TRUE(apply->isEnabled());
        apply->click();
        EXPECT_FALSE(apply->isEnabled());
        EXPECT_EQ(text::FieldView(w.doc.layers[slot].name), "tiny.bmp");
        EXPECT_EQ(w.doc.layers[slot].widthMm, 1);
        EXPECT_EQ(w.doc.pictures[slot]->width, 2);
        EXPECT_EQ(w.views.calls, (std::vector<std::string>{"layers:selection", "document"}));
        return ClickAndFinish(dialog, widgets::kCancelId);
    });
    w.operations.EditLayerProperties(w.doc.state.selectedPos);
    EXPECT_EQ(w.doc.layers[slot].visible, 0);
    EXPECT_EQ(text::FieldView(w.doc.layers[slot].picturePath), tiny);
    EXPECT_EQ(w.doc.pictures[slot]->width, 2);

    // Confirming with OK does not show it either.
    w.interaction.QueueDialog([](QDialog& d) { return ClickAndFinish(d, widgets::kOkId); });
    w.operations.EditLayerProperties(w.doc.state.selectedPos);
    EXPECT_EQ(w.doc.layers[slot].visible, 0);
}

}  // namespace
