// Finding the folder that holds Data, in an installed layout, a build tree or the working directory.
#pragma once

#include <string>

#include "LaunchOptions.h"

struct SDataSearch {
    std::string programFolder;       // the folder of the running program
    std::string shareFromProgram;    // the installed Data's folder relative to it: "../share/farreach"
    std::string buildProgramFolder;  // where the build links the program ...
    std::string buildDataFolder;     // ... and the folder where its datagen writes Data
    std::string workingFolder;
};

// Where this program looks: its own folder, the installed layout, and its build tree when it runs
// from there.
SDataSearch ThisProgramsDataSearch();
// The first folder that holds Data: beside the program, the installed share folder, the build tree
// (only for the program the build linked there), the working directory. Empty when none does.
std::string FindDataFolder(const SDataSearch& search);
// Changes to the folder that holds Data: --data when given, else the one FindDataFolder names.
// Returns false (with a reason) when --data names no folder; without Data anywhere it stays where
// it is, and the demo reports each file it cannot find.
bool EnterDataDirectory(const LaunchOptions& options, const SDataSearch& search, std::string& error);
// Makes the files and folders the run writes absolute against the working directory, so that they
// land where the user asked even after the program enters the Data folder's.
void AnchorOutputPaths(LaunchOptions& options);
