// The program's command line: the launcher dialog's settings, and the run modes (live pacing and
// seeking, deterministic capture, benchmark).
#pragma once

#include <optional>
#include <string>

enum class RunMode { Live, Capture, Bench };

struct LaunchOptions {
    bool showDialog = true;
    std::optional<bool> fullscreen;
    std::optional<int> resolution;  // index of the launcher's radio buttons: 0, 1 or 2
    std::optional<bool> infos;
    std::string dataDirectory;      // the folder that holds Data; empty: find it
    bool help = false;
    std::string error;              // why the command line was refused; empty when it was fine

    RunMode mode = RunMode::Live;
    int width = 0, height = 0;      // --resolution as given (0 when absent)
    std::string captureDirectory;   // --capture DIR
    std::optional<double> fps;      // live: the pace (0 unpaced); capture: frames per second
    std::optional<double> from, to; // the span of a capture or benchmark, in seconds of the demo
    std::optional<double> startSeconds;  // live: start the music there
    std::optional<int> startPart;        // live: start at the start of this part
    std::string benchJson;          // --bench-json FILE
    std::string inputScript;        // --input FILE: scripted keys
};

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv);
// The text of --help.
std::string LaunchUsage(const char* program);
// Changes to the folder that holds Data: the one asked for, else the working directory if it holds
// Data, else the program's own folder. Returns false (with a reason) when the asked folder is missing.
bool EnterDataDirectory(const LaunchOptions& options, const char* argv0, std::string& error);
