#pragma once
// The .qlr file: a 7-byte magic, the records raw, and the paper codes; always 66435 bytes.
#include <optional>
#include <string>
#include <string_view>

#include "LabelDocument.h"

namespace quillora::document {

constexpr std::size_t kDocumentFileSize = 66435;
constexpr std::size_t kMagicSize = 7;

enum class ReadResult { Ok, CannotOpen, BadMagic, ShortFile };

// Parses a whole file image into `doc`'s records. On any failure `doc` is left untouched.
ReadResult ParseDocument(std::string_view bytes, LabelDocument& doc);
std::string SerialiseDocument(const LabelDocument& doc);

// `path` is a file-system (UTF-8) path. Anything but a regular file (a FIFO, a folder, a
// device) is refused as CannotOpen without blocking. The records are taken exactly as stored.
ReadResult ReadDocumentFile(const std::string& path, LabelDocument& doc);

// What the Open command does to the records: reads the file as above and, on success, makes
// the document an open one (DocState.isOpen = 1) whatever the file stored.
ReadResult OpenDocumentFile(const std::string& path, LabelDocument& doc);

// Writes a temporary file beside `path`, checks every write, flushes it to disk and renames
// it over `path`, so a failure never destroys the file that was there before.
bool WriteDocumentFile(const std::string& path, const LabelDocument& doc);

// Appends ".qlr" unless the name already ends in exactly that (byte for byte, lower case);
// nullopt when the result would not fit the 255-byte name.
// The name with ".qlr" appended unless it already ends in exactly that.
std::string AddQlrExtension(std::string_view name);
std::optional<std::string> WithQlrExtension(std::string_view storedName);

}  // namespace quillora::document
