#include "EntrySource.h"

#include <filesystem>
#include <system_error>

#include "ListFormats.h"
#include "TextDecoding.h"
#include "document/RegularFile.h"

namespace quillora::listimport {

SourceEntries WithEntries(std::vector<std::string> entries) {
    if (entries.empty()) return {SourceStatus::NoEntries, {}};
    return {SourceStatus::Ok, std::move(entries)};
}

SourceEntries ReadListFile(const std::string& path) {
    return Guarded([&path] {
        std::string bytes;
        if (document::ReadRegularFile(path, bytes, kMaxListFileBytes + 1) != document::FileStatus::Ok)
            return SourceEntries{SourceStatus::CannotOpen, {}};
        if (bytes.size() > kMaxListFileBytes || !IsListText(bytes)) return SourceEntries{SourceStatus::NoEntries, {}};
        return WithEntries(FormatOfFileName(path).read(bytes));
    });
}

SourceEntries ReadEntrySource(const std::string& path, const FolderProgress& progress) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return ReadAudioFolder(path, progress);
    return ReadListFile(path);
}

}  // namespace quillora::listimport
