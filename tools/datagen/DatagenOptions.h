// datagen's command line: one table for the parser and --help.
#pragma once

#include <string>
#include <vector>

#include "options/CommandLine.h"

namespace datagen {

struct Options {
    std::string folder;     // DIR: write DIR/Data
    std::string sheet;      // --sheet FILE.png
    bool timeline = false;  // --timeline
    bool help = false;
};

const std::vector<cmdline::Option<Options>>& OptionTable();
// Parses the line; returns the error (naming its option) or "".
std::string ParseOptions(int argc, const char* const* argv, Options& options);
std::string Usage();

}  // namespace datagen
