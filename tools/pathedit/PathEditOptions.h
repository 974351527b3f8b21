// The path editor program's command line.
#pragma once

#include <string>

struct SPathEditOptions {
    std::string pathFile;         // FILE: loaded when it exists, written by RETURN
    std::string model;            // --model: a .lwo, .3ds or .x file that follows the path
    float modelSize = 4.0f;       // --model-size: the model's largest extent
    int width = 1024;             // --resolution WxH
    int height = 768;
    bool windowed = false;        // --windowed
    bool showTrajectory = false;  // --trajectory: start as after F1
    int frames = -1;              // --frames N: stop after N frames (-1: at Escape)
    std::string screenshot;       // --screenshot FILE.png: the last frame, with --frames
    bool help = false;
    std::string error;            // why the command line was refused; empty when it was fine
};

SPathEditOptions ParsePathEditOptions(int argc, const char* const* argv);
// The text of --help.
std::string PathEditUsage(const char* program);
// The model's kind from its name's ending: "lwo", "3ds", "x", or empty for any other ending.
std::string ModelKind(const std::string& model);
