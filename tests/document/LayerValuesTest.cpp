// Names given to picture layers from their file.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "TempDir.h"

#include "document/LayerValues.h"
#include "document/TextArc.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

using namespace quillora;
using document::FileTitle;

namespace {

TEST(FileTitleTest, IsTheNameAfterTheLastFolder) {
    EXPECT_EQ(FileTitle("/home/user/pictures/cover.bmp"), "cover.bmp");
    EXPECT_EQ(FileTitle("cover.jpg"), "cover.jpg");
    EXPECT_EQ(FileTitle("/folder/"), "");
    EXPECT_EQ(FileTitle(""), "");
    // 0x5C is a trail byte of 表 in code page 932, not a folder separator here.
    const std::string name = *text::Utf8ToCp932("表紙.bmp");
    EXPECT_EQ(FileTitle("/tmp/" + name), name);
}

TEST(LayerValuesTest, PictureNameIsTheFileTitleCutToFortyEightBytes) {
    document::PicLayerSettings settings{};
    const std::string longName(60, 'n');
    text::StoreField(settings.picturePath, "/pictures/" + longName);
    document::LayerRecord layer{};
    text::StoreField(layer.name, "previous name that is long");
    document::StorePictureLayer(layer, settings);
    EXPECT_EQ(text::FieldView(layer.name), longName.substr(0, 48));
    EXPECT_EQ(text::FieldView(layer.picturePath), "/pictures/" + longName);
}

// A name outside code page 932 becomes valid code page 932 text, never UTF-8 bytes read as katakana.
TEST(LayerValuesTest, PictureNamesOutsideCodePage932GetQuestionMarks) {
    TempDir dir;
    for (const char* file : {"café.png", "한국어사진.png"}) {
        const std::string path = dir.File(file);
        std::ofstream(path) << "x";
        document::PicLayerSettings settings{};
        text::StoreField(settings.picturePath, text::Utf8PathToStored(path));
        document::LayerRecord layer{};
        document::StorePictureLayer(layer, settings);
        const std::string expected = std::string(file) == "café.png" ? "caf?.png" : "?????.png";
        EXPECT_EQ(text::FieldView(layer.name), expected) << file;
    }
}

// A value the visitor leaves out would stay behind in one direction.
TEST(LayerValuesTest, TextValuesGoBothWaysAndTheLayerIsShown) {
    document::TextLayerSettings settings{};
    text::StoreField(settings.text, "Side A");
    text::StoreField(settings.fontFace, "IPAGothic");
    std::int32_t* numbers[] = {&settings.fontSize, &settings.fontItalic, &settings.fontUnderline, &settings.fontBold,
                               &settings.fontStrike, &settings.posX, &settings.posY, &settings.angle,
                               &settings.shadow, &settings.shadowX, &settings.shadowY};
    for (int i = 0; i < 11; ++i) *numbers[i] = 100 + i;
    settings.fontColor = 0x123456;
    settings.shadowColor = 0x654321;
    settings.arc = {1, 570, 350, 1, 12};
    document::LayerRecord layer{};
    document::StoreTextLayer(layer, settings);
    EXPECT_EQ(layer.visible, 1);
    EXPECT_EQ(text::FieldView(layer.name), "Side A");
    document::TextLayerSettings back{};
    document::LoadTextSettings(back, layer);
    EXPECT_EQ(std::memcmp(&back, &settings, sizeof settings), 0);
}

// Older files hold zero (or whatever their program left) where the arc now lives: such a layer
// is straight, and storing it straight again must not change one byte.
TEST(LayerValuesTest, ArcBytesAreWrittenOnlyForAnArc) {
    const document::TextArc on{1, 570, 180, 1, -5};
    const document::TextArc off{0, 570, 180, 1, -5};
    document::LayerRecord zero{};
    document::LayerRecord foreign{};
    foreign.arc.tag[0] = 'Q';
    foreign.arc.radius = 77;
    document::LayerRecord later{};
    document::WriteArc(later, on);
    later.arc.version = document::kArcVersion + 1;
    document::LayerRecord ours{};
    document::WriteArc(ours, on);

    struct Case {
        const char* what;
        document::LayerRecord before;
        bool arcBefore;
        document::TextArc written;
        const document::LayerRecord* expected;  // the record afterwards; null: holds `on`
    };
    const Case cases[] = {
        {"zero, straight", zero, false, off, &zero},
        {"zero, arc", zero, false, on, nullptr},
        {"foreign bytes, straight", foreign, false, off, &foreign},
        {"later version, straight", later, false, off, &later},
        {"our arc, straight", ours, true, off, &zero},
        {"our arc, arc", ours, true, on, &ours},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        document::LayerRecord layer = c.before;
        EXPECT_EQ(document::ReadArc(layer).has_value(), c.arcBefore);
        document::WriteArc(layer, c.written);
        if (c.expected) EXPECT_EQ(std::memcmp(&layer, c.expected, sizeof layer), 0);
        EXPECT_EQ(document::ReadArc(layer), c.written.enabled ? std::optional(on) : std::nullopt);
    }

    // Loading a straight layer turns the arc off and keeps the last values for turning it on.
    document::TextArc current = on;
    document::LoadArc(current, zero);
    EXPECT_EQ(current, off);
}

TEST(LayerValuesTest, RimRadiusPutsTheCellOneMillimetreInsideTheDisc) {
    EXPECT_EQ(document::RimRadius(120, 12), 600 - 20 - 10);
    EXPECT_EQ(document::RimRadius(80, 30), 400 - 50 - 10);
    EXPECT_EQ(document::RimRadius(10, 200), 0);
}

}  // namespace
