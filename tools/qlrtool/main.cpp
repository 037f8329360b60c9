#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <iostream>

#include "CommandTable.h"
#include "ProjectInfo.h"

namespace qlrtool {

namespace {
std::vector<CommandEntry>& Table() {
    static std::vector<CommandEntry> table;
    return table;
}

int Usage() {
    std::cerr << "usage:\n";
    auto entries = Commands();
    std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.name < b.name; });
    for (const auto& c : entries) std::cerr << "  qlrtool " << c.usage << '\n';
    std::cerr << "  qlrtool --version\n";
    return kExitUsage;
}

// The tool's users see its own messages only: Qt's diagnostics (a missing runtime folder, say)
// are not about their files. Fatal ones still end the program, as Qt makes them.
void DropQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

Command::Command(const char* name, const char* usage, CommandFunction run) {
    Table().push_back({name, usage, std::move(run)});
}

const std::vector<CommandEntry>& Commands() { return Table(); }

int UsageError(const char* usage) {
    std::cerr << "usage: qlrtool " << usage << '\n';
    return kExitUsage;
}

}  // namespace qlrtool

int main(int argc, char** argv) {
    using namespace qlrtool;
    qInstallMessageHandler(DropQtMessage);
    if (argc < 2) return Usage();
    std::string name = argv[1];
    if (name == "--version" && argc == 2) {
        std::cout << "qlrtool " << quillora::project::kVersion << '\n';
        return kExitOk;
    }
    for (const auto& c : Commands()) {
        if (c.name == name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    return Usage();
}
