// Text files, playlists and CUE sheets in the shapes they come in from other programs.
#include <gtest/gtest.h>

#include "Fifo.h"
#include "TempDir.h"
#include "listimport/CueSheetReader.h"
#include "listimport/EntrySource.h"
#include "listimport/ListFormats.h"
#include "listimport/PlainTextReader.h"
#include "listimport/PlaylistReader.h"
#include "text/Cp932.h"

using namespace quillora::listimport;
using Entries = std::vector<std::string>;

namespace {

std::string Cp932(const std::string& utf8) {
    auto bytes = quillora::text::Utf8ToCp932(utf8);
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or("");
}

}  // namespace

TEST(PlainText, OneEntryPerLineWhateverTheLineEndsAndWithoutBlankLines) {
    EXPECT_EQ(ReadPlainTextEntries("\xEF\xBB\xBF" "First\r\n\r\n  Second  \r\n \t \r\nThird"),
              (Entries{"First", "Second", "Third"}));
    EXPECT_EQ(ReadPlainTextEntries("a\nb\rc\n\n"), (Entries{"a", "b", "c"}));
    EXPECT_EQ(ReadPlainTextEntries("\xEF\xBB\xBF"), Entries{});
    EXPECT_EQ(ReadPlainTextEntries(""), Entries{});
}

TEST(PlainText, TellsCodePage932FromUtf8ByDecoding) {
    EXPECT_EQ(ReadPlainTextEntries("夜明けの歌\nｶﾀｶﾅ"), (Entries{"夜明けの歌", "ｶﾀｶﾅ"}));
    EXPECT_EQ(ReadPlainTextEntries(Cp932("夜明けの歌\r\nｶﾀｶﾅ ～ 表\r\n")), (Entries{"夜明けの歌", "ｶﾀｶﾅ ～ 表"}));
    // "表" ends in 0x5C in code page 932: not a line end nor a path separator to any reader.
    EXPECT_EQ(ReadPlaylistEntries(Cp932("表.mp3\r\n")), Entries{"表"});
    // With a byte order mark the text is UTF-8 even where it is ill-formed.
    EXPECT_EQ(ReadPlainTextEntries("\xEF\xBB\xBF" "ok\n\x82\xA0"), (Entries{"ok", "\x82\xA0"}));
}

TEST(PlainText, ReadsUtf16BehindItsByteOrderMark) {
    // "Aé\r\n" then U+1F600 as a surrogate pair and a lone low surrogate.
    const std::string little("\xFF\xFE" "A\0\xE9\0\r\0\n\0" "\x3D\xD8\x00\xDE\x00\xDC", 16);
    EXPECT_EQ(ReadPlainTextEntries(little), (Entries{"Aé", "😀\uFFFD"}));
    const std::string big("\xFE\xFF" "\0A\x30\x42\0\n\0B", 10);
    EXPECT_EQ(ReadPlainTextEntries(big), (Entries{"Aあ", "B"}));
}

TEST(Playlist, ExtinfTitlesKeepTheirCommasAndOtherTracksGiveTheirFileNames) {
    const std::string m3u =
        "\xEF\xBB\xBF#EXTM3U\r\n"
        "#PLAYLIST:Road trip\r\n"
        "#EXTINF:215,Artist, The - Song, with commas\r\n"
        "C:\\Music\\01 song.mp3\r\n"
        "\r\n"
        "# a comment between tracks\r\n"
        "/home/me/Music/02 Plain Track.flac\r\n"
        "#EXTINF:-1 tvg-name=\"a,b\" group-title=\"x\",Radio, live\r\n"
        "#EXTGRP:Radio\r\n"
        "http://radio.invalid/stream.mp3?id=4\r\n"
        "file:///home/me/Music/03%20Caf%C3%A9.ogg\r\n"
        "#extinf:12.5,lower-case tag\r\n"
        "04.wav\r\n"
        "#EXTINF:100,\r\n"
        "05 Empty Title.mp3\r\n"
        ".hidden\r\n"
        "#EXTINF:100,dangling at the end\r\n";
    EXPECT_EQ(ReadPlaylistEntries(m3u), (Entries{"Artist, The - Song, with commas", "02 Plain Track", "Radio, live",
                                                 "03 Café", "lower-case tag", "05 Empty Title", ".hidden"}));
}

TEST(CueSheet, TitlesWithThePerformerWhereItDiffersFromTheDiscs) {
    const std::string cue =
        "REM GENRE \"J-Pop\"\r\n"
        "REM DATE 1999\r\n"
        "PERFORMER \"Disc Artist\"\r\n"
        "TITLE \"The Album\"\r\n"
        "FILE \"CD 1.wav\" WAVE\r\n"
        "  TRACK 01 AUDIO\r\n"
        "    TITLE \"Opening, Act 1\"\r\n"
        "    PERFORMER \"Disc Artist\"\r\n"
        "    INDEX 01 00:00:00\r\n"
        "  TRACK 02 AUDIO\r\n"
        "    REM COMPOSER \"Someone\"\r\n"
        "    TITLE Unquoted title words\r\n"
        "    PERFORMER Guest Singer\r\n"
        "    INDEX 00 03:10:00\r\n"
        "    INDEX 01 03:12:00\r\n"
        "FILE track3.flac WAVE\r\n"
        "  TRACK 03 AUDIO\r\n"
        "    INDEX 01 00:00:00\r\n"
        "file \"4.wav\" wave\n"
        "  track 04 audio\n"
        "    title \"Lower-case keywords\"\n"
        "    performer \"\"\n";
    EXPECT_EQ(ReadCueSheetEntries(cue), (Entries{"Opening, Act 1", "Unquoted title words / Guest Singer", "track3",
                                                 "Lower-case keywords"}));
}

TEST(CueSheet, WithoutADiscPerformerEveryTrackPerformerIsAppended) {
    const std::string cue = Cp932(
        "TITLE \"題名\"\r\nFILE \"a.wav\" WAVE\r\nTRACK 01 AUDIO\r\nTITLE \"夜明け\"\r\nPERFORMER \"歌手\"\r\n"
        "TRACK 02 AUDIO\r\nTITLE \"夕暮れ\"\r\n");
    EXPECT_EQ(ReadCueSheetEntries(cue), (Entries{"夜明け / 歌手", "夕暮れ"}));
}

TEST(EntrySource, TheExtensionChoosesTheFormatFromTheOneTable) {
    const auto name = [](std::string_view file) { return std::string(FormatOfFileName(file).name); };
    EXPECT_EQ(name("list.M3U"), "ﾌﾟﾚｲﾘｽﾄ");
    EXPECT_EQ(name("/a/list.m3u8"), "ﾌﾟﾚｲﾘｽﾄ");
    EXPECT_EQ(name("disc.Cue"), "CUEｼｰﾄ");
    EXPECT_EQ(name("tracks.txt"), "ﾃｷｽﾄﾌｧｲﾙ");
    EXPECT_EQ(name("cue"), "ﾃｷｽﾄﾌｧｲﾙ");
    EXPECT_EQ(name("/a.cue/list"), "ﾃｷｽﾄﾌｧｲﾙ");
    EXPECT_EQ(ListChooserFilter(), "ﾘｽﾄﾌｧｲﾙ (*.txt *.m3u *.m3u8 *.cue);;ﾃｷｽﾄﾌｧｲﾙ (*.txt);;ﾌﾟﾚｲﾘｽﾄ (*.m3u *.m3u8);;"
                                   "CUEｼｰﾄ (*.cue);;すべてのﾌｧｲﾙ (*)");

    TempDir dir;
    const std::string body = "#EXTINF:1,Title\nfile.mp3\n";
    WriteWholeFile(dir.File("a.m3u8"), body);
    WriteWholeFile(dir.File("a.txt"), body);
    EXPECT_EQ(ReadEntrySource(dir.File("a.m3u8")).entries, Entries{"Title"});
    EXPECT_EQ(ReadEntrySource(dir.File("a.txt")).entries, (Entries{"#EXTINF:1,Title", "file.mp3"}));
}

TEST(EntrySource, SourcesThatAreNoTrackListAreRefusedAtOnce) {
    TempDir dir;
    std::string random(3000, '\0');
    unsigned seed = 12345;
    for (char& c : random) c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 16);
    WriteWholeFile(dir.File("random.m3u"), random);
    WriteWholeFile(dir.File("utf16.txt"), std::string("T\0i\0t\0l\0e\0\n\0", 12));
    WriteWholeFile(dir.File("empty.cue"), "");
    WriteWholeFile(dir.File("huge.txt"), std::string(kMaxListFileBytes + 1, 'a'));
    ASSERT_TRUE(MakeFifo(dir.File("pipe.m3u")));
    const std::pair<std::string, SourceStatus> table[] = {
        {dir.File("missing.txt"), SourceStatus::CannotOpen},
        {"/dev/zero", SourceStatus::CannotOpen},
        {"/proc/self/mem", SourceStatus::CannotOpen},
        {dir.File("pipe.m3u"), SourceStatus::CannotOpen},
        {dir.File("random.m3u"), SourceStatus::NoEntries},
        {dir.File("utf16.txt"), SourceStatus::NoEntries},
        {dir.File("empty.cue"), SourceStatus::NoEntries},
        {dir.File("huge.txt"), SourceStatus::NoEntries},
    };
    for (const auto& [path, status] : table) {
        const SourceEntries read = ReturnsWithoutBlocking(path, [&path = path] { return ReadEntrySource(path); });
        EXPECT_EQ(read.status, status) << path;
        EXPECT_TRUE(read.entries.empty()) << path;
    }
    EXPECT_EQ(ReadListFile(dir.Path()).status, SourceStatus::CannotOpen);  // a folder is no list file
}

TEST(PlainText, LinesOfNulsOrControlCharactersAreBlankLines) {
    EXPECT_EQ(ReadPlainTextEntries(std::string("One\n\0\0\0\n\x01\x02\t\nTwo\x7F\n", 19)), (Entries{"One", "Two"}));
}
