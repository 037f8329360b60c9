#pragma once
// Picture files for picture layers: BMP read here, every other format through the *.pip
// plug-ins of the program directory. Paths are the stored bytes of the records (code page 932
// where possible, else UTF-8) and resolve to the file that exists; a stored path longer than
// 255 bytes, or one that names no regular file, is unreadable before anything reads it.
#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "document/LabelDocument.h"
#include "document/Picture.h"

namespace quillora::pictures {

// The file chooser's filter: two entries, "対応画像ﾌｧｲﾙ" with "*.bmp;" and each plug-in's
// pattern followed by ";", then "全てのﾌｧｲﾙ" with "*.*".
struct PictureFilter {
    std::string supportedDescription, supportedPattern, allDescription, allPattern;  // UTF-8
    std::array<char, 256> raw{};  // the code page 932 strings, NUL-separated, empty string last
};

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The picture operations over the *.pip plug-ins of one program folder. The folder is listed
// and each plug-in loaded afresh on every call, so a plug-in added while the program runs is
// used at once (its pattern enters the filter at the next start).
class PictureLibrary {
public:
    // Without a folder only BMP pictures can be read.
    PictureLibrary() = default;
    explicit PictureLibrary(std::string programDir) : programDir_(std::move(programDir)) {}

    PictureFilter BuildPictureFilter() const;

    bool IsPictureSupported(const std::string& storedPath) const;

    // 0 x 0 when neither the BMP reader nor any plug-in can tell.
    PictureSize GetPictureSize(const std::string& storedPath) const;

    // The picture, or null. When plug-ins accepted the file but none read it, the result is
    // what the last of them left in its buffer.
    std::unique_ptr<document::Picture> LoadPicture(const std::string& storedPath) const;

    // Loads the picture of every kind-11 slot; returns the stored paths of the missing ones in
    // slot order and renames those layers.
    std::vector<std::string> RebuildPictures(document::LabelDocument& doc) const;

    // Loads (or clears) the picture of one slot from its picturePath; true when a picture was
    // loaded. Used by new/copy/edit of picture layers.
    bool LoadSlotPicture(document::LabelDocument& doc, int slot) const;

private:
    std::string programDir_;
};

}  // namespace quillora::pictures
