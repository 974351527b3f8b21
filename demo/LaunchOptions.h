// The program's command line: the launcher dialog's settings, and the run modes (live pacing and
// seeking, deterministic capture, benchmark).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "options/CommandLine.h"

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
    bool bench = false;             // --bench given
    std::string videoFile;          // --video FILE.mp4
    bool videoWide = false;         // --video-aspect 16:9
};

// Every option the program takes; ParseLaunchOptions and LaunchUsage are both made from it.
const std::vector<cmdline::Option<LaunchOptions>>& LaunchOptionTable();

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv);
// The text of --help.
std::string LaunchUsage(const char* program);
