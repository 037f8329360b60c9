// Names given to layers from their text and their picture file, and the round trip between
// layer records and the current layer values.
#include <gtest/gtest.h>

#include "LayerTestWorkspace.h"
#include "layers/FileTitle.h"
#include "layers/LayerValues.h"
#include "text/FixedField.h"

using namespace quillora;
using layers::FileTitle;

namespace {

TEST(FileTitleTest, IsTheNameAfterTheLastFolder) {
    EXPECT_EQ(FileTitle("/home/user/pictures/cover.bmp"), "cover.bmp");
    EXPECT_EQ(FileTitle("cover.jpg"), "cover.jpg");
    EXPECT_EQ(FileTitle("/folder/"), "");
    EXPECT_EQ(FileTitle(""), "");
    // 0x5C is a trail byte of 表 in code page 932, not a folder separator here.
    const std::string name = Sjis("表紙.bmp");
    EXPECT_EQ(FileTitle("/tmp/" + name), name);
}

TEST(LayerValuesTest, PictureNameIsTheFileTitleCutToFortyEightBytes) {
    document::PicLayerSettings settings{};
    const std::string longName(60, 'n');
    text::StoreField(settings.picturePath, "/pictures/" + longName);
    document::LayerRecord layer{};
    text::StoreField(layer.name, "previous name that is long");
    layers::StorePictureLayer(layer, settings);
    EXPECT_EQ(text::FieldView(layer.name), longName.substr(0, 48));
    EXPECT_EQ(text::FieldView(layer.picturePath), "/pictures/" + longName);
}

TEST(LayerValuesTest, TextValuesSurviveARoundTripAndStringsAreClearedFirst) {
    document::LayerRecord layer{};
    layer.kind = document::KindText;
    text::StoreField(layer.text, "short");
    text::StoreField(layer.fontFace, "Face");
    layer.fontSize = 33;
    layer.fontBold = 700;
    layer.angle = 270;
    layer.shadowX = -4;
    layer.shadowY = 9;
    layer.fontColor = 0xABCDEF;
    layer.posX = -500;
    layer.posY = 900;

    document::TextLayerSettings settings{};
    text::StoreField(settings.text, "a much longer text that was there before");
    text::StoreField(settings.fontFace, "Another Face Name");
    layers::LoadTextSettings(settings, layer);
    EXPECT_EQ(std::string(settings.text, 10), std::string("short\0\0\0\0\0", 10));
    EXPECT_EQ(text::FieldView(settings.fontFace), "Face");

    document::LayerRecord copy{};
    copy.visible = 0;
    layers::StoreTextLayer(copy, settings);
    EXPECT_EQ(copy.fontSize, 33);
    EXPECT_EQ(copy.fontBold, 700);
    EXPECT_EQ(copy.angle, 270);
    EXPECT_EQ(copy.shadowX, -4);
    EXPECT_EQ(copy.shadowY, 9);
    EXPECT_EQ(copy.fontColor, 0xABCDEFu);
    EXPECT_EQ(copy.posX, -500);
    EXPECT_EQ(copy.posY, 900);
    EXPECT_EQ(copy.visible, 1);
    EXPECT_EQ(text::FieldView(copy.name), "short");
}

}  // namespace
