#pragma once
// A program folder of its own for a test: scripted plug-ins installed under chosen names,
// their call log, and picture files beside them.
#include <string>
#include <vector>

#include "TempDir.h"

class PluginTestFolder {
public:
    PluginTestFolder();
    ~PluginTestFolder();

    const std::string& Dir() const { return plugins_.Path(); }
    // Copies the test plug-in `variant` (tp_accept, ...) into the folder as `fileName`.
    void Install(const std::string& variant, const std::string& fileName) const;
    // A scripted picture file for the test plug-ins: "TP <w> <h> <fourth byte>".
    std::string Script(const std::string& name, long width, long height, int fourth = 0) const;
    std::string File(const std::string& name) const { return files_.File(name); }
    // The calls made since the last look, "<file> <export>" each, and forgets them.
    std::vector<std::string> TakeLog() const;

private:
    TempDir plugins_;
    TempDir files_;
    std::string logPath_;
};
