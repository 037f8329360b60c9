#pragma once
#include <string>

namespace quillora::settings {

// The folder of the running executable (without a trailing slash): the settings file and
// the picture plug-ins are looked up there.
std::string ProgramDirectory();

}  // namespace quillora::settings
