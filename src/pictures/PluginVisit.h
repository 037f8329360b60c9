#pragma once
// Visiting the plug-ins of the program directory, then those of the installed plug-in folder:
// listed afresh on every visit, in byte order of their file names within each folder, each
// loaded for its turn only.
#include <functional>
#include <string>
#include <vector>

namespace quillora::pictures {

class PluginLibrary;

// Absolute paths of the *.pip files whose names fit the 100-byte name buffer, in byte order:
// the program directory's first, then the installed plug-in folder's.
std::vector<std::string> ListPluginFiles(const std::string& programDir);

// Calls `visit` with each plug-in that loads, until it returns true; the plug-in is unloaded
// before the next one is loaded.
void VisitPlugins(const std::string& programDir, const std::function<bool(const PluginLibrary&)>& visit);

}  // namespace quillora::pictures
