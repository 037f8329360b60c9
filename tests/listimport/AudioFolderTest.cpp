// Music folders: title tags read through TagLib from files the test makes and tags itself.
#include <filesystem>
#include <gtest/gtest.h>

#include "AudioFixtures.h"
#include "TempDir.h"
#include "listimport/AudioFolderReader.h"
#include "listimport/EntrySource.h"

using namespace quillora::listimport;
using Entries = std::vector<std::string>;

namespace {

void WriteTagged(const std::string& path, AudioKind kind, const std::string& title, unsigned track) {
    WriteAudioFile(path, kind);
    ASSERT_TRUE(TagAudioFile(path, title, track)) << path;
}

}  // namespace

TEST(AudioFolder, EveryFormatItWritesIsReadBackThroughItsTitleTag) {
    const std::pair<AudioKind, const char*> kinds[] = {{AudioKind::Wav, "a.wav"},   {AudioKind::Mp3, "b.mp3"},
                                                       {AudioKind::Flac, "c.flac"}, {AudioKind::Opus, "d.opus"},
                                                       {AudioKind::Vorbis, "e.ogg"}, {AudioKind::M4a, "f.m4a"}};
    for (const auto& [kind, name] : kinds) {
        SCOPED_TRACE(name);
        TempDir dir;
        WriteTagged(dir.File(name), kind, "夜明けの歌 — Café", 1);
        EXPECT_EQ(ReadAudioFolderEntries(dir.Path()), Entries{"夜明けの歌 — Café"});
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
    std::filesystem::create_directory(dir.File("bonus"));
    WriteTagged(dir.File("bonus/x.mp3"), AudioKind::Mp3, "In a subfolder", 1);

    EXPECT_EQ(ReadAudioFolderEntries(dir.Path()),
              (Entries{"First", "Second (y)", "Second (z)", "Third", "09 Untitled Song", "No number"}));
    EXPECT_EQ(ReadEntrySource(dir.Path()), ReadAudioFolderEntries(dir.Path()));
}

TEST(AudioFolder, AFolderThatCannotBeListedIsUnreadableWhileAnEmptyOneGivesNothing) {
    TempDir dir;
    EXPECT_EQ(ReadAudioFolderEntries(dir.File("missing")), std::nullopt);
    EXPECT_EQ(ReadAudioFolderEntries(dir.Path()), Entries{});
}
