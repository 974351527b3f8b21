// The program's command line: each option stands for a setting of the launcher dialog.
#pragma once

#include <optional>
#include <string>

struct LaunchOptions {
    bool showDialog = true;
    std::optional<bool> fullscreen;
    std::optional<int> resolution;  // index of the launcher's radio buttons: 0, 1 or 2
    std::optional<bool> infos;
    std::string dataDirectory;      // the folder that holds Data; empty: find it
    bool help = false;
    std::string error;              // why the command line was refused; empty when it was fine
};

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv);
// The text of --help.
std::string LaunchUsage(const char* program);
// Changes to the folder that holds Data: the one asked for, else the working directory if it holds
// Data, else the program's own folder. Returns false (with a reason) when the asked folder is missing.
bool EnterDataDirectory(const LaunchOptions& options, const char* argv0, std::string& error);
