#pragma once
// Picture files for picture layers: BMP read here, every other format through the *.pip
// plug-ins of the program directory. Paths are the stored bytes of the records (code page 932
// where possible); a stored path longer than 255 bytes is refused before anything reads it.
#include <array>
#include <memory>
#include <string>
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
PictureFilter BuildPictureFilter(const std::string& programDir);

bool IsPictureSupported(const std::string& programDir, const std::string& storedPath);

struct PictureSize {
    int width = 0;
    int height = 0;
};
// 0 x 0 when neither the BMP reader nor any plug-in can tell.
PictureSize GetPictureSize(const std::string& programDir, const std::string& storedPath);

// The picture, or null. When plug-ins accepted the file but none read it, the result is what
// the last of them left in its buffer.
std::unique_ptr<document::Picture> LoadPicture(const std::string& programDir,
                                               const std::string& storedPath);

// Loads the picture of every kind-11 slot; returns the stored paths of the missing ones in
// slot order and renames those layers.
std::vector<std::string> RebuildPictures(document::LabelDocument& doc, const std::string& programDir);

// Loads (or clears) the picture of one slot from its picturePath; true when a picture was
// loaded. Used by new/copy/edit of picture layers.
bool LoadSlotPicture(document::LabelDocument& doc, int slot, const std::string& programDir);

}  // namespace quillora::pictures
