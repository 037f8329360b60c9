// qlrtool as users and scripts call it: its output, exit status and messages.
#include <algorithm>
#include <filesystem>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "Fifo.h"
#include "TempDir.h"
#include "ToolRun.h"
#include "document/DocumentFile.h"
#include "document/TextArc.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

using quillora::document::kDocumentFileSize;

namespace {

QJsonValue At(const QJsonObject& object, const char* part, const char* field) {
    return object[QLatin1String(part)].toObject()[QLatin1String(field)];
}

ToolRun Qlrtool(const std::string& arguments) { return RunBuiltTool("qlrtool", arguments); }

QJsonObject Info(const std::string& path) {
    ToolRun run = Qlrtool("info " + ShellQuoted(path));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error{};
    QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return json.object();
}

}  // namespace

TEST(Qlrtool, NewWritesADocumentAsTheNewCommandDoesAndInfoShowsEveryPart) {
    TempDir dir;
    const std::string path = dir.File("new label.qlr");
    ASSERT_EQ(Qlrtool("new " + ShellQuoted(path) + " --outer 0 --inner 500").exitCode, 0);
    EXPECT_EQ(ReadWholeFile(path).size(), kDocumentFileSize);

    QJsonObject doc = Info(path);
    EXPECT_EQ(doc.keys(), (QStringList{"header", "layers", "list", "order", "paper", "state"}));
    EXPECT_EQ(At(doc, "header", "outerDiameter").toInt(), 1);  // limited like the dialog
    EXPECT_EQ(At(doc, "header", "innerDiameter").toInt(), 300);
    EXPECT_EQ(At(doc, "header", "marginLeft").toInt(), 15);
    EXPECT_EQ(At(doc, "state", "layerCount").toInt(), 2);
    EXPECT_EQ(At(doc, "state", "selectedPos").toInt(), 1);
    EXPECT_EQ(At(doc, "state", "outerPx").toInt(), 3);
    EXPECT_EQ(At(doc, "state", "backColor").toInt(), 0xFFFFFF);
    EXPECT_EQ(At(doc, "list", "fontFace").toString(), QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(At(doc, "list", "numberSeparator").toString(), ".");

    QJsonArray entries = At(doc, "list", "entries").toArray();
    ASSERT_EQ(entries.size(), 50);
    EXPECT_EQ(entries[8].toObject()["number"].toString(), "09.");
    EXPECT_EQ(entries[9].toObject()["number"].toString(), "10.");
    EXPECT_EQ(entries[0].toObject()["spacing"].toInt(), 2);

    EXPECT_EQ(doc["order"].toArray().size(), 50);
    QJsonArray layers = doc["layers"].toArray();
    ASSERT_EQ(layers.size(), 50);
    EXPECT_EQ(layers[0].toObject()["name"].toString(), QStringLiteral("リスト"));
    EXPECT_EQ(layers[1].toObject()["kind"].toInt(), 1);
    EXPECT_EQ(layers[1].toObject()["name"].toString(), QStringLiteral("背景"));
    EXPECT_TRUE(layers[2].toObject().contains("shadowY"));
    EXPECT_TRUE(layers[2].toObject().contains("heightMm"));
    EXPECT_FALSE(layers[2].toObject().contains("memDC"));
    EXPECT_TRUE(layers[2].toObject()["arc"].isNull());
    EXPECT_EQ(doc["paper"].toObject(), (QJsonObject{{"size", 0}, {"orientation", 0}}));
}

TEST(Qlrtool, InfoShowsATextLayersArc) {
    TempDir dir;
    quillora::document::LabelDocument label;
    label.Create({});
    quillora::document::WriteArc(label.layers[5], {1, 570, 180, 1, -5});
    WriteWholeFile(dir.File("arc.qlr"), quillora::document::SerialiseDocument(label));
    EXPECT_EQ(Info(dir.File("arc.qlr"))["layers"].toArray()[5].toObject()["arc"].toObject(),
              (QJsonObject{{"radius", 570}, {"centreAngle", 180}, {"side", 1}, {"spacing", -5}}));
}

TEST(Qlrtool, NewTakesItsValuesFromTheSettingsFolder) {
    TempDir dir;
    WriteWholeFile(dir.File("quillora.ini"),
                   "[NewDoc]\r\nOut = 80\r\nIn = 20\r\n[DocData]\r\nBackColor = 255\r\n"
                   "[List]\r\nAddZero = 0\r\nSepNoText = \"-\"\r\n");
    ASSERT_EQ(Qlrtool("new " + ShellQuoted(dir.File("a.qlr")) + " --outer 90 --settings " + ShellQuoted(dir.Path()))
                  .exitCode,
              0);
    QJsonObject doc = Info(dir.File("a.qlr"));
    EXPECT_EQ(At(doc, "header", "outerDiameter").toInt(), 90);
    EXPECT_EQ(At(doc, "header", "innerDiameter").toInt(), 20);
    EXPECT_EQ(At(doc, "state", "backColor").toInt(), 255);
    EXPECT_EQ(At(doc, "list", "entries").toArray()[0].toObject()["number"].toString(), "1-");
}

TEST(Qlrtool, UnreadableFilesAndWrongUsageHaveTheirOwnExitStatus) {
    TempDir dir;
    ToolRun missing = Qlrtool("info " + ShellQuoted(dir.File("missing.qlr")));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("を開けません。"), std::string::npos) << missing.err;

    std::string bytes = quillora::document::SerialiseDocument(quillora::document::LabelDocument());
    bytes[6] = '!';
    WriteWholeFile(dir.File("magic.qlr"), bytes);
    ToolRun magic = Qlrtool("info " + ShellQuoted(dir.File("magic.qlr")));
    EXPECT_EQ(magic.exitCode, 2);
    EXPECT_NE(magic.err.find("読み込めないﾃﾞｰﾀ形式です。"), std::string::npos) << magic.err;
    EXPECT_EQ(magic.out, "");

    bytes[6] = '\0';
    WriteWholeFile(dir.File("short.qlr"), bytes.substr(0, kDocumentFileSize - 1));
    EXPECT_EQ(Qlrtool("info " + ShellQuoted(dir.File("short.qlr"))).exitCode, 2);

    EXPECT_EQ(Qlrtool("").exitCode, 1);
    EXPECT_EQ(Qlrtool("frobnicate").exitCode, 1);
    EXPECT_EQ(Qlrtool("info").exitCode, 1);
    EXPECT_EQ(Qlrtool("new").exitCode, 1);
    // A command called wrongly names its own usage, the line the command list shows for it.
    const std::string commandList = Qlrtool("").err;
    for (const char* call : {"info", "new", "filter extra", "list a.qlr", "picture", "render a.qlr", "settings"}) {
        SCOPED_TRACE(call);
        ToolRun wrong = Qlrtool(call);
        EXPECT_EQ(wrong.exitCode, 1);
        const std::string command = std::string(call).substr(0, std::string(call).find(' '));
        EXPECT_EQ(wrong.err.rfind("usage: qlrtool " + command, 0), 0u) << wrong.err;
        EXPECT_NE(commandList.find("  qlrtool " + wrong.err.substr(15)), std::string::npos) << wrong.err;
    }
    EXPECT_EQ(Qlrtool("new " + ShellQuoted(dir.File("b.qlr")) + " --outer abc").exitCode, 1);
    EXPECT_EQ(Qlrtool("new " + ShellQuoted(dir.File("nowhere/b.qlr"))).exitCode, 2);
}

TEST(Qlrtool, InfoAndRenderNameOnlyThePicturesThatCannotBeReadAndOnlyInTheirOwnWords) {
    TempDir dir;
    // A name outside code page 932 is stored as UTF-8, whose bytes also read as "cafﾃｩ.bmp".
    ASSERT_TRUE(QImage(30, 20, QImage::Format_RGB32).save(QString::fromStdString(dir.File("café.bmp")), "BMP"));
    ASSERT_TRUE(MakeFifo(dir.File("fifo.bmp")));
    quillora::document::LabelDocument doc;
    doc.header.outerDiameter = 120;
    doc.header.innerDiameter = 30;
    doc.Create({});
    const std::pair<int, std::string> pictures[] = {{4, "café.bmp"}, {7, "gone.png"}, {9, "fifo.bmp"}};
    for (const auto& [slot, name] : pictures) {
        doc.layers[slot].kind = quillora::document::LayerKind::Picture;
        doc.layers[slot].visible = 1;
        quillora::text::StoreField(doc.layers[slot].picturePath, quillora::text::Utf8PathToStored(dir.File(name)));
    }
    ASSERT_TRUE(quillora::document::WriteDocumentFile(dir.File("p.qlr"), doc));

    const std::string expected =
        dir.File("gone.png") + ": を開くことができません。\n" + dir.File("fifo.bmp") + ": を開くことができません。\n";
    for (const std::string& command : {"info " + ShellQuoted(dir.File("p.qlr")),
                                      "render " + ShellQuoted(dir.File("p.qlr")) + " " + ShellQuoted(dir.File("p.png"))}) {
        SCOPED_TRACE(command);
        ToolRun run = ReturnsWithoutBlocking(dir.File("fifo.bmp"), [&] { return Qlrtool(command); });
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, expected);  // no complaint of Qt's before ours
    }
}

TEST(Qlrtool, WhatIsNoRegularFileIsRefusedWithoutBlocking) {
    TempDir dir;
    const std::string fifo = dir.File("fifo.qlr");
    ASSERT_TRUE(MakeFifo(fifo));
    for (const std::string& command : std::vector<std::string>{"info " + ShellQuoted(fifo), "render " + ShellQuoted(fifo) + " out.png",
                                      "info /dev/null", "info " + ShellQuoted(dir.Path()), "picture " + ShellQuoted(fifo)}) {
        SCOPED_TRACE(command);
        ToolRun run = ReturnsWithoutBlocking(fifo, [&] { return Qlrtool(command); });
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err, "");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_NE(Qlrtool("info " + ShellQuoted(fifo)).err.find("を開けません。"), std::string::npos);

    // A settings file that is a FIFO gives the defaults.
    ASSERT_TRUE(MakeFifo(dir.File("quillora.ini")));
    ToolRun settings = ReturnsWithoutBlocking(dir.File("quillora.ini"), [&] { return Qlrtool("settings " + ShellQuoted(dir.Path())); });
    EXPECT_EQ(settings.exitCode, 0);
    EXPECT_NE(settings.out.find("\"NewDoc\":{\"Out\":120,\"In\":30}"), std::string::npos) << settings.out;

    // Path bytes that are no text in any encoding still give JSON.
    std::filesystem::remove(dir.File("quillora.ini"));
    WriteWholeFile(dir.File("quillora.ini"), "[UsedFile]\r\nPath=/tmp/\xff\xfe\x81.qlr\r\n");
    settings = Qlrtool("settings " + ShellQuoted(dir.Path()));
    QJsonParseError error{};
    QJsonDocument::fromJson(QByteArray::fromStdString(settings.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << settings.out;
    EXPECT_NE(settings.out.find("/tmp/\uFFFD"), std::string::npos) << settings.out;
}

TEST(Qlrtool, FilterAndPictureAnswerWithThePlugInsBesideTheTool) {
    ToolRun filter = Qlrtool("filter");
    EXPECT_EQ(filter.exitCode, 0);
    EXPECT_EQ(filter.out, "対応画像ﾌｧｲﾙ\t*.bmp;*.jpg;*.jpeg;*.jpe;*.png;\n全てのﾌｧｲﾙ\t*.*\n");

    TempDir dir;
    ASSERT_TRUE(QImage(30, 20, QImage::Format_RGB32).save(QString::fromStdString(dir.File("p.png")), "PNG"));
    ToolRun png = Qlrtool("picture " + ShellQuoted(dir.File("p.png")));
    EXPECT_EQ(png.exitCode, 0);
    QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(png.out)).object();
    EXPECT_EQ(answer, (QJsonObject{{"supported", true}, {"width", 30}, {"height", 20}}));

    WriteWholeFile(dir.File("notes.txt"), "not a picture");
    answer = QJsonDocument::fromJson(QByteArray::fromStdString(Qlrtool("picture " + ShellQuoted(dir.File("notes.txt"))).out))
                 .object();
    EXPECT_EQ(answer, (QJsonObject{{"supported", false}, {"width", 0}, {"height", 0}}));
}

TEST(Qlrtool, ListFillsTheListFromAFileInPlaceOrIntoAnotherLabel) {
    TempDir dir;
    const std::string label = dir.File("my label.qlr");
    ASSERT_EQ(Qlrtool("new " + ShellQuoted(label)).exitCode, 0);
    const std::string untouched = ReadWholeFile(label);
    WriteWholeFile(dir.File("disc.cue"),
                   "REM DATE 2001\r\nPERFORMER \"A\"\r\nFILE \"x.wav\" WAVE\r\n  TRACK 01 AUDIO\r\n"
                   "    TITLE \"Café, act 1\"\r\n  TRACK 02 AUDIO\r\n    TITLE \"夜明け\"\r\n    PERFORMER \"B\"\r\n");

    ToolRun toOther = Qlrtool("list " + ShellQuoted(label) + " " + ShellQuoted(dir.File("disc.cue")) + " --out " +
                              ShellQuoted(dir.File("out.qlr")));
    EXPECT_EQ(toOther.exitCode, 0) << toOther.err;
    EXPECT_EQ(toOther.out, "Cafe, act 1\n夜明け / B\n");
    EXPECT_NE(toOther.err.find("置き換えました"), std::string::npos) << toOther.err;
    EXPECT_EQ(ReadWholeFile(label), untouched);
    QJsonArray entries = At(Info(dir.File("out.qlr")), "list", "entries").toArray();
    EXPECT_EQ(entries[1].toObject()["text"].toString(), QStringLiteral("夜明け / B"));
    EXPECT_EQ(entries[1].toObject()["editText"].toString(), QStringLiteral("夜明け / B"));
    EXPECT_EQ(entries[2].toObject()["text"].toString(), "");

    std::string lines;
    for (int i = 1; i <= 60; ++i) lines += "Line " + std::to_string(i) + "\r\n";
    WriteWholeFile(dir.File("tracks.txt"), lines);
    ToolRun inPlace = Qlrtool("list " + ShellQuoted(label) + " " + ShellQuoted(dir.File("tracks.txt")));
    EXPECT_EQ(inPlace.exitCode, 0) << inPlace.err;
    EXPECT_EQ(std::count(inPlace.out.begin(), inPlace.out.end(), '\n'), 50);
    EXPECT_NE(inPlace.err.find("残りの10件"), std::string::npos) << inPlace.err;
    entries = At(Info(label), "list", "entries").toArray();
    EXPECT_EQ(entries[49].toObject()["text"].toString(), "Line 50");
    EXPECT_EQ(entries[0].toObject()["number"].toString(), "01.");
}

TEST(Qlrtool, ListLeavesTheLabelAloneWhenItCannotReadWhatItIsGiven) {
    TempDir dir;
    const std::string label = dir.File("a.qlr");
    ASSERT_EQ(Qlrtool("new " + ShellQuoted(label)).exitCode, 0);
    const std::string untouched = ReadWholeFile(label);
    WriteWholeFile(dir.File("blank.txt"), "\r\n \r\n");
    WriteWholeFile(dir.File("t.txt"), "Title\n");

    ToolRun missing = Qlrtool("list " + ShellQuoted(label) + " " + ShellQuoted(dir.File("gone.m3u")));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("gone.m3u"), std::string::npos) << missing.err;
    EXPECT_EQ(Qlrtool("list " + ShellQuoted(label) + " " + ShellQuoted(dir.File("no folder/"))).exitCode, 2);
    EXPECT_EQ(Qlrtool("list " + ShellQuoted(label) + " " + ShellQuoted(dir.File("blank.txt"))).exitCode, 2);
    EXPECT_EQ(Qlrtool("list " + ShellQuoted(dir.File("gone.qlr")) + " " + ShellQuoted(dir.File("t.txt"))).exitCode, 2);
    EXPECT_EQ(Qlrtool("list " + ShellQuoted(dir.File("t.txt")) + " " + ShellQuoted(dir.File("t.txt"))).exitCode, 2);
    EXPECT_EQ(Qlrtool("list a.qlr t.txt extra").exitCode, 1);
    EXPECT_EQ(Qlrtool("list a.qlr t.txt --out").exitCode, 1);
    EXPECT_EQ(ReadWholeFile(label), untouched);
    EXPECT_EQ(ReadWholeFile(dir.File("t.txt")), "Title\n");
}

TEST(Qlrtool, AMusicFolderCannotBeOpenedWhenTheAudioTagModuleIsMissing) {
    TempDir dir;
    const std::string label = dir.File("a.qlr");
    ASSERT_EQ(Qlrtool("new " + ShellQuoted(label)).exitCode, 0);
    std::filesystem::create_directory(dir.File("music"));
    const std::string arguments = "list " + ShellQuoted(label) + " " + ShellQuoted(dir.File("music"));
    // Beside the built module, the empty folder is read and found empty.
    EXPECT_NE(Qlrtool(arguments).err.find("ﾘｽﾄﾃﾞｰﾀがありません"), std::string::npos);

    std::filesystem::create_directory(dir.File("alone"));
    std::filesystem::copy_file(std::string(QUILLORA_BIN_DIR) + "/qlrtool", dir.File("alone/qlrtool"));
    const ToolRun alone = RunTool(dir.File("alone/qlrtool"), arguments);
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_EQ(alone.err, "\"" + dir.File("music") + "\" を開けません。\n");
}

TEST(Qlrtool, SheetsListsTheShippedAndTheUsersSheetsAndNamesMistakes) {
    TempDir dir;
    WriteWholeFile(dir.File("label-sheets.ini"), "[Mine]\npaper = A4\ndisc = 118 20\ncentres = 105,80\n[Broken]\npaper = B9\n");
    const ToolRun run = Qlrtool("sheets " + ShellQuoted(dir.Path()));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 140);
    EXPECT_NE(run.out.find("Mine\tA4\t210x297 mm\tdisc 118/20 mm\t1\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find(dir.File("label-sheets.ini") + ":6: paper \"B9\""), std::string::npos) << run.err;
}
