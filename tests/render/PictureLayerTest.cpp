#include <gtest/gtest.h>

#include <climits>

#include "RecordingCanvas.h"
#include "render/DeviceUnits.h"
#include "render/PictureLayerDrawing.h"

namespace quillora::render {
namespace {

constexpr float kView = 3.0f;

document::LayerRecord PictureLayer(int placement, int keepAspect, int imageWidth, int imageHeight) {
    document::LayerRecord layer{};
    layer.kind = document::LayerKind::Picture;
    layer.visible = 1;
    layer.placement = placement;
    layer.keepAspect = keepAspect;
    layer.imageWidthPx = imageWidth;
    layer.imageHeightPx = imageHeight;
    layer.widthMm = imageWidth / 3;
    layer.heightMm = imageHeight / 3;
    layer.posX = 10;
    layer.posY = -4;
    return layer;
}

std::optional<DeviceRect> Dest(const document::LayerRecord& layer, int origin = 0) {
    return PictureDestination(layer, origin, origin, 360, 360, kView, kView);
}

document::Picture SolidPicture(int width, int height) {
    document::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.bits.assign(picture.RowBytes() * height, 0x7F);
    return picture;
}

TEST(PictureLayer, PlacementsGiveTheirRectangles) {
    auto numeric = PictureLayer(0, 0, 120, 60);  // 40 x 20 mm
    EXPECT_EQ(Dest(numeric), (DeviceRect{30, -12, 150, 48}));
    EXPECT_EQ(Dest(numeric, 100), (DeviceRect{130, 88, 250, 148}));

    auto centred = PictureLayer(1, 0, 120, 60);
    EXPECT_EQ(Dest(centred), (DeviceRect{120, 150, 240, 210}));
    EXPECT_EQ(Dest(centred, 7), (DeviceRect{127, 157, 247, 217}));
    centred.widthMm = 121;  // wider than the box: (360 - 363) / 2 truncates toward zero
    EXPECT_EQ(Dest(centred)->left, -1);

    auto fill = PictureLayer(2, 0, 720, 480);
    EXPECT_EQ(Dest(fill), (DeviceRect{0, 0, 360, 360}));
}

TEST(PictureLayer, KeepingTheAspectFitsTheWidthOrTheHeight) {
    EXPECT_EQ(Dest(PictureLayer(2, 1, 720, 480)), (DeviceRect{0, 60, 360, 300}));
    EXPECT_EQ(Dest(PictureLayer(2, 1, 240, 480)), (DeviceRect{90, 0, 270, 360}));
    EXPECT_EQ(Dest(PictureLayer(2, 1, 360, 360)), (DeviceRect{0, 0, 360, 360}));
    // A wide box compares integer quotients: 2 > 1 fits the height.
    auto wide = PictureLayer(2, 1, 300, 200);
    EXPECT_EQ(PictureDestination(wide, 0, 0, 800, 400, 1, 1), (DeviceRect{100, 0, 700, 400}));
}

TEST(PictureLayer, NothingIsPlacedForUnknownPlacementsOrEmptySizes) {
    EXPECT_FALSE(Dest(PictureLayer(3, 0, 120, 60)));
    EXPECT_FALSE(Dest(PictureLayer(-1, 0, 120, 60)));
    EXPECT_FALSE(Dest(PictureLayer(2, 1, 0, 480)));
    EXPECT_FALSE(Dest(PictureLayer(2, 1, 480, 0)));
    EXPECT_FALSE(Dest(PictureLayer(2, 1, -480, 480)));
    auto numeric = PictureLayer(0, 0, 120, 60);
    numeric.widthMm = 0;
    EXPECT_FALSE(Dest(numeric));
    numeric.widthMm = -40;  // would mirror the picture
    EXPECT_FALSE(Dest(numeric));
}

TEST(PictureLayer, HugeValuesAreClampedToTheDeviceLimits) {
    auto layer = PictureLayer(0, 0, 120, 60);
    layer.widthMm = INT_MAX;
    layer.heightMm = INT_MAX;
    layer.posX = INT_MIN;
    auto dest = Dest(layer, 100);
    ASSERT_TRUE(dest);
    EXPECT_EQ(dest->left, -kDeviceLimit + 100);
    EXPECT_EQ(dest->right, 100);
    EXPECT_EQ(dest->bottom, kDeviceLimit);

    EXPECT_EQ(Dest(PictureLayer(2, 1, INT_MAX, INT_MAX / 2)), (DeviceRect{0, 90, 360, 270}));
}

TEST(PictureLayer, DrawsTheSlotsPictureOnlyWhenThereIsOne) {
    auto layer = PictureLayer(2, 0, 4, 2);
    RecordingCanvas canvas;
    DrawPictureLayer(canvas, layer, nullptr, 0, 0, 360, 360, kView, kView);
    auto empty = SolidPicture(0, 0);
    DrawPictureLayer(canvas, layer, &empty, 0, 0, 360, 360, kView, kView);
    auto truncated = SolidPicture(4, 2);
    truncated.bits.resize(truncated.bits.size() - 1);
    DrawPictureLayer(canvas, layer, &truncated, 0, 0, 360, 360, kView, kView);
    EXPECT_TRUE(canvas.calls.empty());

    auto picture = SolidPicture(4, 2);
    DrawPictureLayer(canvas, layer, &picture, 20, 10, 360, 360, kView, kView);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].rect, (DeviceRect{20, 10, 380, 370}));
    EXPECT_EQ(canvas.calls[0].ellipse, (DeviceRect{20, 10, 380, 370}));  // only the disc must be drawn
    EXPECT_EQ(canvas.calls[0].x, 4);
}

}  // namespace
}  // namespace quillora::render
