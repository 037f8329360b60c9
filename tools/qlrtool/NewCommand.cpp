// qlrtool new OUT.qlr: a new document exactly as the New command creates it.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "CommandTable.h"
#include "document/DocumentFile.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLoader.h"
#include "document/Limits.h"

namespace qlrtool {
namespace {

using namespace quillora;

constexpr char kUsage[] = "new OUT.qlr [--outer N] [--inner N] [--settings DIR]";

std::optional<long> ParseNumber(const std::string& text) {
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0') return std::nullopt;
    return value;
}

int New(const std::vector<std::string>& args) {
    std::string out, settingsDir;
    std::optional<long> outer, inner;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--outer" && hasValue) outer = ParseNumber(args[++i]);
        else if (a == "--inner" && hasValue) inner = ParseNumber(args[++i]);
        else if (a == "--settings" && hasValue) settingsDir = args[++i];
        else if (out.empty() && a.rfind("--", 0) != 0) out = a;
        else out.clear(), i = args.size();
        if ((a == "--outer" && !outer) || (a == "--inner" && !inner)) out.clear(), i = args.size();
    }
    if (out.empty()) return UsageError(kUsage);

    auto doc = std::make_unique<document::LabelDocument>();
    settings::AppSettings app;
    if (settingsDir.empty())
        settings::LoadSettingsFrom(settings::IniFile::Parse(""), app, *doc);  // all defaults
    else
        settings::LoadSettings(settingsDir, app, *doc);
    doc->RenumberListEntries();
    // Each diameter within the range the new-document dialog keeps.
    const auto limit = [](long mm) {
        return static_cast<std::int32_t>(std::clamp<long>(mm, document::kMinDiameterMm, document::kMaxDiameterMm));
    };
    if (outer) doc->header.outerDiameter = limit(*outer);
    if (inner) doc->header.innerDiameter = limit(*inner);
    doc->Create(app.docDefaults);

    if (!document::WriteDocumentFile(out, *doc)) {
        std::cerr << "\"" << out << "\": ﾌｧｲﾙの保存に失敗しました。\n";
        return kExitFile;
    }
    return kExitOk;
}

const Command kNew("new", kUsage, New);

}  // namespace
}  // namespace qlrtool
