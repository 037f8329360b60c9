#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "Fifo.h"
#include "TempDir.h"
#include "settings/GridLineType.h"
#include "settings/SettingsFile.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

namespace quillora::settings {
namespace {

using text::FieldView;

std::string Cp932(const char* utf8) { return text::Utf8ToCp932(utf8).value(); }

// The file as the writer must produce it: CR LF line ends, texts in code page 932.
std::string AsWritten(std::string utf8) {
    std::string out;
    for (char c : Cp932(utf8.c_str())) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

class SettingsFileTest : public ::testing::Test {
protected:
    // Loads `contents` (written as given) into fresh values.
    void LoadText(const std::string& contents) {
        WriteWholeFile(dir.File(kSettingsFileName), contents);
        LoadSettings(dir.Path(), app, *doc);
    }
    std::string SaveAndRead() {
        EXPECT_TRUE(SaveSettings(dir.Path(), app, *doc));
        return ReadWholeFile(dir.File(kSettingsFileName));
    }

    TempDir dir;
    AppSettings app;
    std::unique_ptr<document::LabelDocument> doc = std::make_unique<document::LabelDocument>();
};

TEST_F(SettingsFileTest, MissingFileGivesEveryDefault) {
    app.frame.sizeW = 1;
    app.toolWindow.view = 0;
    app.text.fontSize = 99;
    doc->header.marginLeft = 99;
    doc->list.layoutStyle = 7;
    doc->selectedFileName = "x.qlr";
    LoadSettings(dir.Path(), app, *doc);

    EXPECT_EQ(app.frame.sizeW, 800);
    EXPECT_EQ(app.frame.sizeH, 600);
    EXPECT_EQ(doc->header.outerDiameter, 120);
    EXPECT_EQ(doc->header.innerDiameter, 30);
    EXPECT_EQ(doc->header.marginTop, 15);
    EXPECT_EQ(doc->header.marginLeft, 15);
    EXPECT_EQ(app.grid.visible, 0);
    EXPECT_EQ(app.grid.spacing, 5);
    EXPECT_EQ(app.toolWindow.view, 1);
    EXPECT_EQ(app.positionWindow.view, 1);
    EXPECT_EQ(app.layerWindow.view, 1);
    EXPECT_EQ(FieldView(app.text.text), Cp932("ここに文字を入力"));
    EXPECT_EQ(FieldView(app.text.fontFace), Cp932("ＭＳ Ｐ明朝"));
    EXPECT_EQ(app.text.fontSize, 12);
    EXPECT_EQ(app.text.arc, (document::TextArc{0, 550, 0, 0, 0}));
    EXPECT_EQ(doc->list.layoutStyle, 1);
    EXPECT_EQ(FieldView(doc->list.numberSeparator), ".");
    EXPECT_EQ(FieldView(doc->list.fontFace), Cp932("ＭＳ Ｐ明朝"));
    EXPECT_EQ(doc->list.left0, 30);
    EXPECT_EQ(doc->selectedFileName, "");
}

TEST_F(SettingsFileTest, DefaultSaveWritesTheExactFile) {
    LoadSettings(dir.Path(), app, *doc);
    EXPECT_EQ(SaveAndRead(), AsWritten(R"([FrameWindow]
PosX = 0
PosY = 0
SizeW = 800
SizeH = 600
Max = 0
[NewDoc]
Out = 120
In = 30
[Grid]
View = 0
Space = 5
Color = 8421504
Type = 2
[Print]
MarginTop = 15
MarginLeft = 15
Tombo = 0
PreviewW = 210
PreviewH = 297
[DocData]
BackColor = 16777215
LineColor = 0
BorderLine = 1
[ToolWindow]
View = 1
PosX = 0
PosY = 0
[PositionWindow]
View = 1
PosX = 0
PosY = 0
[LayerWindow]
View = 1
PosX = 0
PosY = 0
[OnePoint]
View = 1
No = 0
[Flags]
First = 1
Dress = 0
[View]
Zoom = 100
[Export]
Format = 0
Dpi = 300
[TextLayer]
Text = "ここに文字を入力"
FontFace = "ＭＳ Ｐ明朝"
FontSize = 12
FontBold = 0
FontItalic = 0
FontUnderLine = 0
FontStrike = 0
FontColor = 0
PosX = 0
PosY = 0
Angle = 0
Shadow = 0
ShadowColor = 8421504
ShadowX = 1
ShadowY = 1
Arc = 0
ArcRadius = 550
ArcAngle = 0
ArcSide = 0
ArcSpacing = 0
[PicLayer]
File = ""
Mode = 0
Ratio = 0
PosX = 0
PosY = 0
SizeW = 0
SizeH = 0
[List]
PrintNo = 1
AddZero = 1
DefaultMargin = 2
SepNoText = "."
FontFace = "ＭＳ Ｐ明朝"
FontSize = 12
FontBold = 0
FontItalic = 0
FontUnderLine = 0
FontStrike = 0
FontColor = 0
Style = 1
Top0 = 10
Left0 = 30
Top1 = 10
Left1 = 5
Top2 = 10
Left2 = 5
Left22 = 5
No = 0
Line = 0
Shadow = 0
ShadowColor = 8421504
ShadowX = 1
ShadowY = 1
[UsedFile]
Path = ""
[PicFile]
Path = ""
[Medium]
Kind = 0
Sheet = ""
Positions = "1"
[PrinterOffset]
)"));
}

TEST_F(SettingsFileTest, ChangedValuesReadBackUnchanged) {
    LoadSettings(dir.Path(), app, *doc);
    app.frame = {-1920, -8, 1024, 700, 1};
    app.layerWindow = {0, -300, 2000};
    app.text.posX = -500;
    app.text.shadowY = -3;
    app.text.fontColor = 0x00123456;
    app.text.arc = {1, 570, 180, 1, -5};
    text::StoreField(app.text.text, Cp932("曲名 \"ライブ\""));
    app.picture.posY = -42;
    text::StoreField(app.picture.picturePath, Cp932("/home/me/写真.bmp"));
    doc->header.marginTop = 10;  // as an opened document leaves them
    doc->header.marginLeft = 10;
    doc->list.shadowX = -7;
    text::StoreField(doc->list.numberSeparator, ")");
    doc->selectedFileName = "/tmp/disc.qlr";
    app.medium = {1, "Avery L7676", "1,2"};
    app.printerOffsets = {{"Office", {15, -5}}, {"photo_printer", {-100, 100}}};
    const std::string written = SaveAndRead();
    EXPECT_NE(written.find("MarginTop = 10\r\nMarginLeft = 10\r\n"), std::string::npos);

    AppSettings readApp;
    auto readDoc = std::make_unique<document::LabelDocument>();
    LoadSettings(dir.Path(), readApp, *readDoc);
    EXPECT_EQ(readApp.frame.posX, -1920);
    EXPECT_EQ(readApp.frame.max, 1);
    EXPECT_EQ(readApp.layerWindow.posX, -300);
    EXPECT_EQ(readApp.text.posX, -500);
    EXPECT_EQ(readApp.text.fontColor, 0x00123456u);
    EXPECT_EQ(readApp.text.arc, app.text.arc);
    EXPECT_EQ(FieldView(readApp.text.text), FieldView(app.text.text));
    EXPECT_EQ(FieldView(readApp.picture.picturePath), FieldView(app.picture.picturePath));
    EXPECT_EQ(readDoc->header.marginLeft, 10);
    EXPECT_EQ(readDoc->list.shadowX, -7);
    EXPECT_EQ(readDoc->selectedFileName, "/tmp/disc.qlr");
    EXPECT_EQ(readApp.medium.sheet, "Avery L7676");
    EXPECT_EQ(readApp.medium.positions, "1,2");
    EXPECT_EQ(readApp.printerOffsets, app.printerOffsets);

    // Everything the table holds survives: a second save writes the same bytes.
    TempDir other;
    ASSERT_TRUE(SaveSettings(other.Path(), readApp, *readDoc));
    EXPECT_EQ(ReadWholeFile(other.File(kSettingsFileName)), written);
}

TEST_F(SettingsFileTest, LeftMarginReadsUnderEitherSpelling) {
    for (const char* key : {"Marginleft", "MarginLeft"}) {
        SCOPED_TRACE(key);
        LoadText(std::string("[Print]\r\n") + key + "=20\r\n");
        EXPECT_EQ(doc->header.marginLeft, 20);
    }
}

TEST_F(SettingsFileTest, PicFilePathWinsAndItsAbsenceEmptiesThePath) {
    LoadText("[PicLayer]\r\nFile = \"/a.bmp\"\r\n[PicFile]\r\nPath = \"/b.bmp\"\r\n");
    EXPECT_EQ(FieldView(app.picture.picturePath), "/b.bmp");
    LoadText("[PicLayer]\r\nFile = \"/a.bmp\"\r\n");
    EXPECT_EQ(FieldView(app.picture.picturePath), "");
}

TEST_F(SettingsFileTest, SaveKeepsOtherSectionsAndDropsUnwrittenKeys) {
    LoadText("[Mine]\r\nKeep = yes\r\n[grid]\r\nView = 1\r\nStale = 7\r\n");
    app.grid.visible = 1;
    const std::string written = SaveAndRead();
    EXPECT_EQ(written.rfind("[Mine]\r\nKeep = yes\r\n[grid]\r\nView = 1\r\nSpace = 5\r\n", 0), 0u);
    EXPECT_EQ(written.find("Stale"), std::string::npos);
    EXPECT_LT(written.find("[FrameWindow]"), written.find("[NewDoc]"));
    EXPECT_LT(written.find("[UsedFile]"), written.find("[PicFile]"));
}

TEST_F(SettingsFileTest, OverlongTextsAreCutAtTheirBufferSize) {
    LoadText("[List]\r\nFontFace = \"" + std::string(40, 'F') + "\"\r\nSepNoText = " + std::string(12, '-') +
             "\r\n[TextLayer]\r\nText = " + std::string(300, 'T') + "\r\n[UsedFile]\r\nPath = \"/" +
             std::string(300, 'p') + "\"\r\n");
    EXPECT_EQ(FieldView(doc->list.fontFace), std::string(31, 'F'));
    EXPECT_EQ(FieldView(doc->list.numberSeparator), std::string(9, '-'));
    EXPECT_EQ(FieldView(app.text.text), std::string(255, 'T'));
    EXPECT_EQ(doc->selectedFileName.size(), 255u);
}

TEST_F(SettingsFileTest, MalformedLinesAndNumbersFallBackQuietly) {
    LoadText("garbage before any section\n[NewDoc\nOut = 1\n[NewDoc]\n=5\njunk\n;In = 1\nOut = 12abc\n"
             "[Grid]\nSpace = abc\nColor = -1\n"
             "[PrinterOffset]\nA = 1.5,-0.5\nB = 10.1,0\nC = 1\nD = x,1\nE = -10,10.04\n");
    EXPECT_EQ(app.printerOffsets, (PrinterOffsets{{"A", {15, -5}}, {"E", {-100, 100}}}));
    EXPECT_EQ(FormatPrinterOffset({-5, 100}), "-0.5,10.0");
    EXPECT_EQ(doc->header.outerDiameter, 12);
    EXPECT_EQ(doc->header.innerDiameter, 30);
    EXPECT_EQ(app.grid.spacing, 0);
    EXPECT_EQ(app.grid.color, 0xFFFFFFFFu);
}

TEST_F(SettingsFileTest, UnreadableFileGivesDefaultsAndIsNotOverwritten) {
    // A folder where the file should be cannot be read, even by root.
    std::filesystem::create_directory(dir.File(kSettingsFileName));
    app.frame.sizeW = 1;
    LoadSettings(dir.Path(), app, *doc);
    EXPECT_EQ(app.frame.sizeW, 800);
    EXPECT_FALSE(SaveSettings(dir.Path(), app, *doc));
    EXPECT_FALSE(SaveSettings(dir.File("missing-folder"), app, *doc));
}

TEST_F(SettingsFileTest, AFifoInPlaceOfTheFileGivesDefaultsWithoutBlockingAndIsKept) {
    const std::string fifo = dir.File(kSettingsFileName);
    ASSERT_TRUE(MakeFifo(fifo));
    app.frame.sizeW = 1;
    ReturnsWithoutBlocking(fifo, [&] { LoadSettings(dir.Path(), app, *doc); });
    EXPECT_EQ(app.frame.sizeW, 800);
    EXPECT_FALSE(ReturnsWithoutBlocking(fifo, [&] { return SaveSettings(dir.Path(), app, *doc); }));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

}  // namespace
}  // namespace quillora::settings

TEST(GridLineTypeTest, ThePenStylesZeroToFiveAreKnown) {
    using quillora::settings::GridLineType;
    const std::pair<std::int32_t, std::optional<GridLineType>> table[] = {
        {-1, std::nullopt}, {0, GridLineType::Solid}, {2, GridLineType::Dot}, {5, GridLineType::None}, {6, std::nullopt}};
    for (const auto& [stored, known] : table) EXPECT_EQ(quillora::settings::KnownGridLineType(stored), known) << stored;
}
