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
        WriteTagged(dir.file(name), kind, "夜明けの歌 — Café", 1);
        EXPECT_EQ(ReadAudioFolderEntries(dir.path()), Entries{"夜明けの歌 — Café"});
    }
}

TEST(AudioFolder, OrdersByTrackNumberThenFileNameAndSkipsWhatIsNotAudio) {
    TempDir dir;
    WriteTagged(dir.file("a.mp3"), AudioKind::Mp3, "Third", 3);
    WriteTagged(dir.file("b.FLAC"), AudioKind::Flac, "First", 1);
    WriteTagged(dir.file("z.wav"), AudioKind::Wav, "Second (z)", 2);
    WriteTagged(dir.file("y.opus"), AudioKind::Opus, "Second (y)", 2);
    WriteTagged(dir.file("10 untracked.mp3"), AudioKind::Mp3, "No number", 0);
    WriteAudioFile(dir.file("09 Untitled Song.wav"), AudioKind::Wav);  // no tags at all
    WriteWholeFile(dir.file("cover.jpg"), "\xFF\xD8\xFF\xE0 not really");
    WriteWholeFile(dir.file("notes.txt"), "not a track\n");
    WriteWholeFile(dir.file("broken.mp3"), "this is no MPEG stream");
    std::filesystem::create_directory(dir.file("bonus"));
    WriteTagged(dir.file("bonus/x.mp3"), AudioKind::Mp3, "In a subfolder", 1);

    EXPECT_EQ(ReadAudioFolderEntries(dir.path()),
              (Entries{"First", "Second (y)", "Second (z)", "Third", "09 Untitled Song", "No number"}));
    EXPECT_EQ(ReadEntrySource(dir.path()), ReadAudioFolderEntries(dir.path()));
}

TEST(AudioFolder, AFolderThatCannotBeListedIsUnreadableWhileAnEmptyOneGivesNothing) {
    TempDir dir;
    EXPECT_EQ(ReadAudioFolderEntries(dir.file("missing")), std::nullopt);
    EXPECT_EQ(ReadAudioFolderEntries(dir.path()), Entries{});
}
