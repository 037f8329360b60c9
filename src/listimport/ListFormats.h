#pragma once
// The list file formats, one row each: the name the chooser shows, the file patterns that choose
// the format, and the reader. A new format is one reader and one row.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillora::listimport {

struct ListFormat {
    const char* name;      // UTF-8, as the file chooser shows it
    const char* patterns;  // "*.m3u *.m3u8": lower case, separated by spaces
    std::vector<std::string> (*read)(std::string_view bytes);
};

// Plain text first: it reads every file no other row claims.
std::span<const ListFormat> ListFormats();

// By the name's extension, in any case.
const ListFormat& FormatOfFileName(std::string_view fileName);

// The chooser's filters, Qt's way: all list files, each format, then every file.
std::string ListChooserFilter();

}  // namespace quillora::listimport
