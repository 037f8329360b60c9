#pragma once
// Small audio files the tests make themselves: valid enough for TagLib to read and tag them.
#include <string>

enum class AudioKind { Wav, Mp3, Flac, Opus, Vorbis, M4a };

// Writes an untagged file of `kind` at `path`.
void WriteAudioFile(const std::string& path, AudioKind kind);

// Sets the title and track number (0 = none) with TagLib; false when TagLib refuses the file.
bool TagAudioFile(const std::string& path, const std::string& utf8Title, unsigned track);
