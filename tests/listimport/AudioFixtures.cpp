#include "AudioFixtures.h"

#include <cstdint>
#include <fileref.h>
#include <tag.h>

#include "TempDir.h"

namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// 16-bit mono PCM at 8 kHz, a few silent samples.
std::string Wav() {
    std::string out = "RIFF";
    PutLe(out, 36 + 8, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);      // PCM
    PutLe(out, 1, 2);      // mono
    PutLe(out, 8000, 4);   // sample rate
    PutLe(out, 16000, 4);  // byte rate
    PutLe(out, 2, 2);      // block align
    PutLe(out, 16, 2);     // bits per sample
    out += "data";
    PutLe(out, 8, 4);
    out += std::string(8, '\0');
    return out;
}

// Three silent MPEG-1 Layer III frames: 128 kbit/s, 44.1 kHz, 417 bytes each.
std::string Mp3() {
    std::string frame = "\xFF\xFB\x90\x00";
    frame.resize(417, '\0');
    return frame + frame + frame;
}

// "fLaC", a last STREAMINFO block (44.1 kHz, stereo, 16 bits) and a frame header's sync bytes.
std::string Flac() {
    std::string out = "fLaC";
    out += "\x80";  // last metadata block, type STREAMINFO
    out += std::string("\x00\x00\x22", 3);
    out += std::string("\x10\x00\x10\x00", 4);                 // block sizes 4096
    out += std::string(6, '\0');                               // frame sizes unknown
    out += std::string("\x0A\xC4\x42\xF0\x00\x00\x00\x00", 8); // 44100 Hz, 2 channels, 16 bits, 0 samples
    out += std::string(16, '\0');                              // MD5
    out += std::string("\xFF\xF8\x69\x08\x00\x00", 6);
    return out;
}

void PutBe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string Mp4Atom(const char* type, const std::string& payload) {
    std::string atom;
    PutBe(atom, static_cast<std::uint32_t>(8 + payload.size()), 4);
    return atom + type + payload;
}

// An AAC track's description and no samples: what TagLib needs for a sound track.
std::string M4a() {
    std::string mvhd(12, '\0');  // version, flags, times
    PutBe(mvhd, 1000, 4);          // time scale
    mvhd.resize(100, '\0');
    std::string mdhd(12, '\0');
    PutBe(mdhd, 44100, 4);
    mdhd.resize(24, '\0');
    std::string hdlr(8, '\0');
    hdlr += "soun" + std::string(13, '\0');
    std::string mp4a(6, '\0');
    PutBe(mp4a, 1, 2);              // data reference
    mp4a += std::string(8, '\0');   // version, revision, vendor
    PutBe(mp4a, 2, 2);              // channels
    PutBe(mp4a, 16, 2);             // bits per sample
    PutBe(mp4a, 0, 4);              // compression, packet size
    PutBe(mp4a, 44100u << 16, 4);   // sample rate, 16.16
    std::string stsd(4, '\0');
    PutBe(stsd, 1, 4);
    stsd += Mp4Atom("mp4a", mp4a);
    const std::string stbl = Mp4Atom("stbl", Mp4Atom("stsd", stsd));
    const std::string mdia = Mp4Atom("mdia", Mp4Atom("mdhd", mdhd) + Mp4Atom("hdlr", hdlr) + Mp4Atom("minf", stbl));
    return Mp4Atom("ftyp", std::string("M4A \0\0\0\0M4A isom", 16)) +
           Mp4Atom("moov", Mp4Atom("mvhd", mvhd) + Mp4Atom("trak", mdia));
}

std::uint32_t OggCrc(const std::string& page) {
    std::uint32_t crc = 0;
    for (unsigned char byte : page) {
        crc ^= static_cast<std::uint32_t>(byte) << 24;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

// One Ogg page holding one whole packet (under 255 bytes).
std::string OggPage(const std::string& packet, std::uint8_t flags, std::uint32_t granule, std::uint32_t sequence) {
    std::string page = "OggS";
    page += '\0';
    page += static_cast<char>(flags);
    PutLe(page, granule, 4);
    PutLe(page, 0, 4);
    PutLe(page, 0x51554C4C, 4);  // stream serial number
    PutLe(page, sequence, 4);
    PutLe(page, 0, 4);           // checksum, filled in below
    page += '\x01';
    page += static_cast<char>(packet.size());
    page += packet;
    const std::uint32_t crc = OggCrc(page);
    for (int i = 0; i < 4; ++i) page[22 + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
    return page;
}

std::string Opus() {
    std::string head = "OpusHead\x01\x02";
    PutLe(head, 312, 2);    // pre-skip
    PutLe(head, 48000, 4);  // input sample rate
    PutLe(head, 0, 2);      // gain
    head += '\0';           // channel mapping family
    std::string tags = "OpusTags";
    PutLe(tags, 4, 4);
    tags += "test";
    PutLe(tags, 0, 4);
    return OggPage(head, 0x02, 0, 0) + OggPage(tags, 0, 0, 1) + OggPage(std::string("\xF8\xFF\xFE", 3), 0x04, 960, 2);
}

std::string Vorbis() {
    std::string id = "\x01vorbis";
    PutLe(id, 0, 4);        // version
    id += '\x01';           // channels
    PutLe(id, 44100, 4);
    PutLe(id, 0, 4);        // bit rates
    PutLe(id, 128000, 4);
    PutLe(id, 0, 4);
    id += "\xB8\x01";       // block sizes, framing
    std::string comment = "\x03vorbis";
    PutLe(comment, 4, 4);
    comment += "test";
    PutLe(comment, 0, 4);
    comment += '\x01';
    return OggPage(id, 0x02, 0, 0) + OggPage(comment, 0, 0, 1) + OggPage("\x05vorbis", 0x04, 0, 2);
}

}  // namespace

void WriteAudioFile(const std::string& path, AudioKind kind) {
    switch (kind) {
        case AudioKind::Wav: return WriteWholeFile(path, Wav());
        case AudioKind::Mp3: return WriteWholeFile(path, Mp3());
        case AudioKind::Flac: return WriteWholeFile(path, Flac());
        case AudioKind::Opus: return WriteWholeFile(path, Opus());
        case AudioKind::Vorbis: return WriteWholeFile(path, Vorbis());
        case AudioKind::M4a: return WriteWholeFile(path, M4a());
    }
}

bool TagAudioFile(const std::string& path, const std::string& utf8Title, unsigned track) {
    TagLib::FileRef file(path.c_str(), false);
    if (file.isNull() || file.tag() == nullptr) return false;
    file.tag()->setTitle(TagLib::String(utf8Title, TagLib::String::UTF8));
    file.tag()->setTrack(track);
    return file.save();
}
