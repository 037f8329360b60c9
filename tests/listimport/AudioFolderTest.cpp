// Music folders: title tags read through TagLib from files the test makes and tags itself.
#include <filesystem>
#include <gtest/gtest.h>
#include <infotag.h>
#include <wavfile.h>

#include "AudioFixtures.h"
#include "Fifo.h"
#include "TempDir.h"
#include "listimport/EntrySource.h"

using namespace quillora::listimport;
using Entries = std::vector<std::string>;

namespace {

void WriteTagged(const std::string& path, AudioKind kind, const std::string& title, unsigned track) {
    WriteAudioFile(path, kind);
    ASSERT_TRUE(TagAudioFile(path, title, track)) << path;
}

// A WAV file whose title and track are only in its RIFF INFO chunk, as Windows tools write them.
void WriteRiffInfo(const std::string& path, const char* title, const char* trackField, const char* track) {
    WriteAudioFile(path, AudioKind::Wav);
    TagLib::RIFF::WAV::File file(path.c_str());
    file.InfoTag()->setTitle(title);
    file.InfoTag()->setFieldText(trackField, track);
    ASSERT_TRUE(file.save(TagLib::RIFF::WAV::File::Info));
}

Entries Read(const std::string& folder) { return ReadAudioFolder(folder).entries; }

}  // namespace

TEST(AudioFolder, EveryFormatItWritesIsReadBackThroughItsTitleTag) {
    const std::pair<AudioKind, const char*> kinds[] = {{AudioKind::Wav, "a.wav"},   {AudioKind::Mp3, "b.mp3"},
                                                       {AudioKind::Flac, "c.flac"}, {AudioKind::Opus, "d.opus"},
                                                       {AudioKind::Vorbis, "e.ogg"}, {AudioKind::M4a, "f.m4a"}};
    for (const auto& [kind, name] : kinds) {
        SCOPED_TRACE(name);
        TempDir dir;
        WriteTagged(dir.File(name), kind, "夜明けの歌 — Café", 1);
        EXPECT_EQ(Read(dir.Path()), Entries{"夜明けの歌 — Café"});
    }
}

TEST(AudioFolder, OrdersByTrackNumberThenFileNameAndSkipsWhatIsNotAudio) {
    TempDir dir;
    WriteTagged(dir.File("a.mp3"), AudioKind::Mp3, "Third", 3);
    WriteTagged(dir.File("b.FLAC"), AudioKind::Flac, "First", 1);
    WriteTagged(dir.File("z.wav"), AudioKind::Wav, "Second (z)", 2);
    WriteTagged(dir.File("y.opus"), AudioKind::Opus, "Second (y)", 2);
    WriteTagged(dir.File("10 untracked.mp3"), AudioKind::Mp3, "No number", 0);
    WriteAudioFile(dir.File("09 Untitled Song.wav"), AudioKind::Wav);  // no tags at all
    WriteWholeFile(dir.File("cover.jpg"), "\xFF\xD8\xFF\xE0 not really");
    WriteWholeFile(dir.File("notes.txt"), "not a track\n");
    WriteWholeFile(dir.File("broken.mp3"), "this is no MPEG stream");
    // Large files whose first bytes are no audio of their kind: TagLib would scan them whole.
    WriteWholeFile(dir.File("big.mp3"), std::string("ID3\x04\0\0\0\0\0\x0A") + std::string(10, 'x') + std::string(8 << 20, 'j'));
    WriteWholeFile(dir.File("big.flac"), std::string(8 << 20, '\0'));
    ASSERT_TRUE(MakeFifo(dir.File("pipe.mp3")));
    WriteRiffInfo(dir.File("info.wav"), "From RIFF INFO", "IPRT", "4");
    WriteRiffInfo(dir.File("itrk.wav"), "Track field", "ITRK", "5/9");
    std::filesystem::create_directory(dir.File("bonus"));
    WriteTagged(dir.File("bonus/x.mp3"), AudioKind::Mp3, "In a subfolder", 1);

    const Entries expected{"First", "Second (y)", "Second (z)", "Third", "From RIFF INFO", "Track field",
                           "09 Untitled Song", "No number"};
    EXPECT_EQ(ReturnsWithoutBlocking(dir.File("pipe.mp3"), [&] { return Read(dir.Path()); }), expected);
    EXPECT_EQ(ReadEntrySource(dir.Path()).entries, expected);
}

TEST(AudioFolder, ProgressCountsTheAudioFilesAndCancelStopsTheImport) {
    TempDir dir;
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) WriteTagged(dir.File(name), AudioKind::Mp3, name, 0);
    WriteWholeFile(dir.File("notes.txt"), "not audio\n");
    std::vector<std::pair<int, int>> steps;
    const SourceEntries all = ReadAudioFolder(dir.Path(), [&](int done, int total) {
        steps.emplace_back(done, total);
        return true;
    });
    EXPECT_EQ(all.status, SourceStatus::Ok);
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
    const SourceEntries stopped = ReadAudioFolder(dir.Path(), [](int done, int) { return done < 1; });
    EXPECT_EQ(stopped.status, SourceStatus::Cancelled);
    EXPECT_TRUE(stopped.entries.empty());
}

TEST(AudioFolder, AFolderThatCannotBeListedIsUnreadableWhileAnEmptyOneHasNoEntries) {
    TempDir dir;
    EXPECT_EQ(ReadAudioFolder(dir.File("missing")).status, SourceStatus::CannotOpen);
    EXPECT_EQ(ReadAudioFolder(dir.Path()).status, SourceStatus::NoEntries);
}

TEST(AudioFolder, ALongTitleIsReadWhole) {
    TempDir dir;
    const std::string title = std::string(3000, 'x') + " end";
    WriteTagged(dir.File("long.flac"), AudioKind::Flac, title, 1);
    EXPECT_EQ(Read(dir.Path()), Entries{title});
}
