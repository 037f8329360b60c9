#include "ToolRun.h"

#include <cstdio>
#include <memory>
#include <sys/wait.h>

#include "TempDir.h"

ToolRun RunBuiltTool(const std::string& program, const std::string& arguments) {
    return RunTool(std::string(QUILLORA_BIN_DIR) + "/" + program, arguments);
}

ToolRun RunTool(const std::string& programPath, const std::string& arguments) {
    TempDir scratch;
    const std::string errors = scratch.File("stderr.txt");
    const std::string command = ShellQuoted(programPath) + " " + arguments + " 2> " + ShellQuoted(errors);
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadWholeFile(errors);
    return run;
}

std::string ShellQuoted(const std::string& path) {
    std::string quoted = "'";
    for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
