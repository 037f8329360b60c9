#pragma once
// qlrtool's commands: each file registers one or more with a static Command object.
#include <functional>
#include <string>
#include <vector>

namespace qlrtool {

// Exit codes of every command.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitFile = 2;

using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct Command {
    Command(const char* name, const char* usage, CommandFunction run);
};

struct CommandEntry {
    std::string name;
    std::string usage;
    CommandFunction run;
};

const std::vector<CommandEntry>& Commands();

// Prints "usage: qlrtool <usage>" on stderr and returns kExitUsage.
int UsageError(const char* usage);

}  // namespace qlrtool
