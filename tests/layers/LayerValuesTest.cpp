// Names given to picture layers from their file.
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

}  // namespace
