#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Fifo.h"
#include "FileSizeLimit.h"
#include "TempDir.h"
#include "document/DocumentFile.h"
#include "document/TextArc.h"
#include "text/FixedField.h"

using namespace quillora::document;
using quillora::text::StoreField;

namespace {

// A document with something in every record, so a lost or shifted byte shows.
LabelDocument BusyDocument() {
    LabelDocument doc;
    doc.header.outerDiameter = 118;
    doc.header.innerDiameter = 22;
    doc.header.marginTop = 10;
    doc.header.marginLeft = 11;
    doc.header.reserved[99] = 0x5a;
    doc.Create({0xABCDEF, 0x010203, 1});
    doc.state.scrollX = -4;
    doc.state.firstVisiblePos = 3;
    StoreField(doc.list.entryText[0], "Intro\r\nPart two");
    doc.list.lineGap = 7;
    for (int slot = 2; slot < 6; ++slot) {
        LayerRecord& layer = doc.layers[slot];
        layer.kind = slot % 2 ? LayerKind::Picture : LayerKind::Text;
        layer.visible = 1;
        StoreField(layer.name, "layer");
        layer.posX = -slot;
        layer.posY = 500;
        layer.shadowY = slot * 3;
        layer.widthMm = 40 + slot;
        doc.InsertAtSelection(slot);
    }
    WriteArc(doc.layers[2], {1, 570, 180, 1, -5});
    doc.layers[4].reserved[79] = 0x5b;  // what follows a layer's arc
    doc.paper = {9, 2};
    return doc;
}

bool SameRecords(const LabelDocument& a, const LabelDocument& b) {
    return std::memcmp(&a.header, &b.header, sizeof a.header) == 0 &&
           std::memcmp(&a.state, &b.state, sizeof a.state) == 0 &&
           std::memcmp(&a.list, &b.list, sizeof a.list) == 0 && a.order == b.order &&
           std::memcmp(a.layers.data(), b.layers.data(), sizeof(LayerRecord) * kMaxLayers) == 0 &&
           a.paper.size == b.paper.size && a.paper.orientation == b.paper.orientation;
}

}  // namespace

TEST(DocumentFile, WritesExactlyTheFixedSizeInTheStoredOrder) {
    LabelDocument doc = BusyDocument();
    std::string bytes = SerialiseDocument(doc);
    ASSERT_EQ(bytes.size(), kDocumentFileSize);
    EXPECT_EQ(bytes.substr(0, 7), std::string("qrla10\0", 7));
    EXPECT_EQ(bytes[7], 118);                                   // outerDiameter
    EXPECT_EQ(static_cast<unsigned char>(bytes[7 + 127]), 0x5a);  // DocHeader reserved tail
    EXPECT_EQ(bytes[135 + 4], 118);                             // DocState.outerMm
    EXPECT_EQ(bytes[295 + 26416], 7);                           // ListBlock.lineGap
    // Pair i: LayerOrder[i], then slot i.
    std::int32_t order1;
    std::memcpy(&order1, bytes.data() + 26831 + 792, 4);
    EXPECT_EQ(order1, doc.order[1]);
    std::int32_t posY3;
    std::memcpy(&posY3, bytes.data() + 26831 + 3 * 792 + 4 + 684, 4);
    EXPECT_EQ(posY3, 500);
    // The arc of slot 2 in its record's once reserved bytes, behind its tag and version.
    const std::size_t arc2 = 26831 + 2 * 792 + 4 + 688;
    EXPECT_EQ(bytes.substr(arc2, 5), std::string("ARC\x01\x01", 5));
    std::int32_t radius2;
    std::memcpy(&radius2, bytes.data() + arc2 + 8, 4);
    EXPECT_EQ(radius2, 570);
    EXPECT_EQ(bytes[26831 + 4 * 792 + 4 + 787], 0x5b);
    EXPECT_EQ(bytes[66431], 9);  // paper size before orientation
    EXPECT_EQ(bytes[66433], 2);
}

TEST(DocumentFile, RunTimeFieldsAreWrittenAsZeroAndIgnoredOnReading) {
    LabelDocument doc = BusyDocument();
    doc.layers[3].memDC = 0x11111111;
    doc.layers[3].bitmap = 0x22222222;
    doc.layers[3].dibBits = 0x33333333;
    std::string bytes = SerialiseDocument(doc);
    EXPECT_EQ(bytes.substr(26831 + 3 * 792 + 4 + 668, 12), std::string(12, '\0'));

    std::memset(bytes.data() + 26831 + 3 * 792 + 4 + 668, 0x7f, 12);
    LabelDocument read;
    ASSERT_EQ(ParseDocument(bytes, read), ReadResult::Ok);
    EXPECT_EQ(read.layers[3].memDC, 0u);
    EXPECT_EQ(read.layers[3].dibBits, 0u);
}

TEST(DocumentFile, SaveAndOpenRoundTripByteForByte) {
    TempDir dir;
    LabelDocument doc = BusyDocument();
    ASSERT_TRUE(WriteDocumentFile(dir.File("a.qlr"), doc));
    EXPECT_EQ(std::filesystem::file_size(dir.File("a.qlr")), kDocumentFileSize);

    LabelDocument read;
    ASSERT_EQ(ReadDocumentFile(dir.File("a.qlr"), read), ReadResult::Ok);
    EXPECT_TRUE(SameRecords(doc, read));
    EXPECT_EQ(SerialiseDocument(read), ReadWholeFile(dir.File("a.qlr")));
}

TEST(DocumentFile, RefusalsLeaveTheCurrentDocumentUntouched) {
    TempDir dir;
    LabelDocument current = BusyDocument();
    LabelDocument before = BusyDocument();
    std::string good = SerialiseDocument(LabelDocument());

    EXPECT_EQ(ReadDocumentFile(dir.File("missing.qlr"), current), ReadResult::CannotOpen);
    EXPECT_EQ(ReadDocumentFile(dir.Path(), current), ReadResult::CannotOpen);

    std::string badSeventh = good;
    badSeventh[6] = 'x';  // "qrla10" followed by something other than NUL
    EXPECT_EQ(ParseDocument(badSeventh, current), ReadResult::BadMagic);
    std::string badMagic = good;
    badMagic[0] = 'Q';
    EXPECT_EQ(ParseDocument(badMagic, current), ReadResult::BadMagic);
    EXPECT_EQ(ParseDocument("", current), ReadResult::BadMagic);
    EXPECT_EQ(ParseDocument(good.substr(0, kDocumentFileSize - 1), current), ReadResult::ShortFile);
    EXPECT_EQ(ParseDocument(good.substr(0, 7), current), ReadResult::ShortFile);

    WriteWholeFile(dir.File("short.qlr"), good.substr(0, 30000));
    EXPECT_EQ(ReadDocumentFile(dir.File("short.qlr"), current), ReadResult::ShortFile);
    EXPECT_TRUE(SameRecords(current, before));
}

TEST(DocumentFile, WhatIsNoRegularFileIsRefusedAsUnopenableWithoutBlocking) {
    TempDir dir;
    LabelDocument current = BusyDocument();
    ASSERT_TRUE(MakeFifo(dir.File("fifo.qlr")));
    EXPECT_EQ(ReturnsWithoutBlocking(dir.File("fifo.qlr"), [&] { return ReadDocumentFile(dir.File("fifo.qlr"), current); }),
              ReadResult::CannotOpen);
    EXPECT_EQ(ReadDocumentFile("/dev/null", current), ReadResult::CannotOpen);
    EXPECT_EQ(ReadDocumentFile(dir.Path(), current), ReadResult::CannotOpen);
    EXPECT_TRUE(SameRecords(current, BusyDocument()));
}

TEST(DocumentFile, OpeningMakesTheDocumentOpenWhateverTheFileStored) {
    TempDir dir;
    LabelDocument doc = BusyDocument();
    doc.state.isOpen = 0;
    ASSERT_TRUE(WriteDocumentFile(dir.File("closed.qlr"), doc));

    LabelDocument read;
    ASSERT_EQ(ReadDocumentFile(dir.File("closed.qlr"), read), ReadResult::Ok);
    EXPECT_EQ(read.state.isOpen, 0);  // reading alone shows the records as stored
    LabelDocument opened;
    ASSERT_EQ(OpenDocumentFile(dir.File("closed.qlr"), opened), ReadResult::Ok);
    EXPECT_EQ(opened.state.isOpen, 1);
    opened.state.isOpen = 0;
    EXPECT_TRUE(SameRecords(opened, doc));  // nothing else changes

    LabelDocument untouched = BusyDocument();
    untouched.state.isOpen = 0;
    EXPECT_EQ(OpenDocumentFile(dir.File("missing.qlr"), untouched), ReadResult::CannotOpen);
    EXPECT_EQ(untouched.state.isOpen, 0);
}

TEST(DocumentFile, ValuesOutOfRangeAreKeptAsStored) {
    LabelDocument doc = BusyDocument();
    doc.state.layerCount = 1000;
    doc.state.selectedPos = -7;
    doc.order[4] = 99;
    doc.state.outerMm = 2147483647;
    std::string bytes = SerialiseDocument(doc);
    LabelDocument read;
    ASSERT_EQ(ParseDocument(bytes, read), ReadResult::Ok);
    EXPECT_EQ(read.state.layerCount, 1000);
    EXPECT_EQ(read.order[4], 99);
    EXPECT_EQ(SerialiseDocument(read), bytes);
}

TEST(DocumentFile, SavingOverAnExistingFileReplacesItWhole) {
    TempDir dir;
    WriteWholeFile(dir.File("old.qlr"), std::string(100000, 'z'));
    ::chmod(dir.File("old.qlr").c_str(), 0640);
    ASSERT_TRUE(WriteDocumentFile(dir.File("old.qlr"), BusyDocument()));
    EXPECT_EQ(std::filesystem::file_size(dir.File("old.qlr")), kDocumentFileSize);
    struct stat st {};
    ::stat(dir.File("old.qlr").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(DocumentFile, AFailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const std::string previous(kDocumentFileSize, 'p');
    WriteWholeFile(dir.File("keep.qlr"), previous);

    // A write that fails part-way, as on a full disk.
    bool saved = true;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.Applied());
        saved = WriteDocumentFile(dir.File("keep.qlr"), BusyDocument());
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadWholeFile(dir.File("keep.qlr")), previous);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    // A folder that does not exist, and a folder in place of the file.
    EXPECT_FALSE(WriteDocumentFile(dir.File("nowhere/a.qlr"), BusyDocument()));
    std::filesystem::create_directory(dir.File("folder.qlr"));
    EXPECT_FALSE(WriteDocumentFile(dir.File("folder.qlr"), BusyDocument()));
}

TEST(DocumentFile, NamesUpToTheLimitSaveAndALinkKeepsPointingAtTheSavedFile) {
    TempDir dir;
    for (const std::size_t bytes : {249u, 255u}) {
        const std::string name = std::string(bytes - 4, 'n') + ".qlr";
        ASSERT_TRUE(WriteDocumentFile(dir.File(name), BusyDocument())) << bytes;
        EXPECT_EQ(std::filesystem::file_size(dir.File(name)), kDocumentFileSize);
    }
    WriteWholeFile(dir.File("target.qlr"), "old");
    std::filesystem::create_symlink("target.qlr", dir.File("link.qlr"));
    ASSERT_TRUE(WriteDocumentFile(dir.File("link.qlr"), BusyDocument()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.qlr")));
    EXPECT_EQ(std::filesystem::file_size(dir.File("target.qlr")), kDocumentFileSize);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 4);
}

TEST(DocumentFile, ReadOnlyFolderRefusesTheSave) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(WriteDocumentFile(dir.File("a.qlr"), BusyDocument()));
    ::chmod(dir.Path().c_str(), 0755);
}

TEST(DocumentFile, ExtensionRuleIsByteExactLowerCase) {
    EXPECT_EQ(WithQlrExtension("/tmp/label"), "/tmp/label.qlr");
    EXPECT_EQ(WithQlrExtension("/tmp/label.qlr"), "/tmp/label.qlr");
    EXPECT_EQ(WithQlrExtension("/tmp/label.QLR"), "/tmp/label.QLR.qlr");
    EXPECT_EQ(WithQlrExtension(".qlr"), ".qlr");
    EXPECT_EQ(WithQlrExtension(std::string(251, 'a'))->size(), 255u);
    EXPECT_FALSE(WithQlrExtension(std::string(252, 'a')).has_value());
    EXPECT_EQ(WithQlrExtension(std::string(251, 'a') + ".qlr")->size(), 255u);
}
