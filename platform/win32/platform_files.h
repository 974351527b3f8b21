// File names as the engine writes them ("Data\uvcube.lwo") opened on this system: backslashes become
// slashes and, where the exact name is missing, each path component is matched case-insensitively.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// The name to open on this system: the exact name if it exists, else the first case-insensitive
// match of every component, else the name with slashes (so a create still goes where asked).
std::string ResolvePath(const char* windowsName);
// fopen of ResolvePath(name).
FILE* OpenFile(const char* windowsName, const char* mode);

}  // namespace platform
