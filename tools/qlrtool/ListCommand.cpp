// qlrtool list FILE.qlr SOURCE: fills the label's list from a text file, playlist, CUE sheet or
// music folder, as the list sheet's import buttons do.
#include <iostream>
#include <memory>

#include "CommandTable.h"
#include "DocumentReading.h"
#include "document/DocumentFile.h"
#include "listimport/EntrySource.h"
#include "listimport/ImportNotice.h"
#include "listimport/ListEntries.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "text/FieldText.h"

namespace qlrtool {
namespace {

using namespace quillora;

constexpr char kUsage[] = "list FILE.qlr SOURCE [--out OUT.qlr]";

int List(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size() && out.empty()) out = args[++i];
        else if (args[i].rfind("--", 0) != 0) positional.push_back(args[i]);
        else return UsageError(kUsage);
    }
    if (positional.size() != 2) return UsageError(kUsage);
    const std::string& labelPath = positional[0];
    const std::string& source = positional[1];
    if (out.empty()) out = labelPath;

    auto doc = std::make_unique<document::LabelDocument>();
    if (!ReadDocumentOrReport(labelPath, *doc)) return kExitFile;
    const listimport::SourceEntries read = listimport::ReadEntrySource(source);
    if (read.status == listimport::SourceStatus::CannotOpen) {
        std::cerr << "\"" << source << "\" を開けません。\n";
        return kExitFile;
    }
    const listimport::ApplyResult result = listimport::ApplyEntries(doc->list, read.entries);
    // Emptying the whole list is never what a script means by filling it.
    if (result.entriesSet == 0) {
        std::cerr << "\"" << source << "\" にﾘｽﾄﾃﾞｰﾀがありません。\n";
        return kExitFile;
    }
    if (!document::WriteDocumentFile(out, *doc)) {
        std::cerr << "\"" << out << "\": ﾌｧｲﾙの保存に失敗しました。\n";
        return kExitFile;
    }
    for (int slot = 0; slot < result.entriesSet; ++slot)
        std::cout << text::FieldToUtf8(doc->list.entryText[slot]) << '\n';
    std::cerr << listimport::ImportNotice(result);
    return kExitOk;
}

const Command kList("list", kUsage, List);

}  // namespace
}  // namespace qlrtool
