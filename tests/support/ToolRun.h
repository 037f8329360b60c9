#pragma once
// Runs one of the programs built beside the tests (qlrtool, say) and collects what it printed.
#include <string>

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// `arguments` go to the shell as they are: quote paths that may hold spaces.
ToolRun RunBuiltTool(const std::string& program, const std::string& arguments);

// The same for a program elsewhere, a copy of a built one, say.
ToolRun RunTool(const std::string& programPath, const std::string& arguments);

// A path in single quotes for the shell.
std::string ShellQuoted(const std::string& path);
