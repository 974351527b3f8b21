#include "DataFolder.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool HoldsData(const std::string& folder)
{
    std::error_code code;
    return !folder.empty() && fs::is_directory(fs::path(folder) / "Data", code);
}

bool SameFolder(const std::string& a, const std::string& b)
{
    std::error_code code;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, code);
}

std::string RunningProgramFolder()
{
    std::error_code code;
    const fs::path program = fs::read_symlink("/proc/self/exe", code);
    return code ? std::string() : program.parent_path().string();
}

void Anchor(std::string& path, const fs::path& working)
{
    if (!path.empty() && fs::path(path).is_relative())
        path = (working / path).lexically_normal().string();
}

}  // namespace

SDataSearch ThisProgramsDataSearch()
{
    SDataSearch search;
    search.programFolder = RunningProgramFolder();
    search.shareFromProgram = FARREACH_SHARE_FROM_PROGRAM;
    search.buildProgramFolder = FARREACH_BUILD_PROGRAM_FOLDER;
    search.buildDataFolder = FARREACH_BUILD_DATA_FOLDER;
    std::error_code code;
    search.workingFolder = fs::current_path(code).string();
    return search;
}

std::string FindDataFolder(const SDataSearch& search)
{
    if (HoldsData(search.programFolder))
        return search.programFolder;
    if (!search.programFolder.empty() && !search.shareFromProgram.empty()) {
        const std::string share = (fs::path(search.programFolder) / search.shareFromProgram).lexically_normal();
        if (HoldsData(share))
            return share;
    }
    if (SameFolder(search.programFolder, search.buildProgramFolder) && HoldsData(search.buildDataFolder))
        return search.buildDataFolder;
    if (HoldsData(search.workingFolder))
        return search.workingFolder;
    return "";
}

bool EnterDataDirectory(const LaunchOptions& options, const SDataSearch& search, std::string& error)
{
    std::error_code code;
    if (!options.dataDirectory.empty()) {
        if (!fs::is_directory(options.dataDirectory, code) || chdir(options.dataDirectory.c_str()) != 0) {
            error = "--data: cannot enter the data folder '" + options.dataDirectory + "'";
            return false;
        }
        return true;
    }
    const std::string found = FindDataFolder(search);
    if (!found.empty() && chdir(found.c_str()) != 0) {
        error = "cannot enter the data folder '" + found + "'";
        return false;
    }
    return true;
}

void AnchorOutputPaths(LaunchOptions& options)
{
    std::error_code code;
    const fs::path working = fs::current_path(code);
    if (code)
        return;
    Anchor(options.captureDirectory, working);
    Anchor(options.videoFile, working);
    Anchor(options.benchJson, working);
}
