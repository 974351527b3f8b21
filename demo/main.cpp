// Farreach: the demo program.
#include <cstdio>

#include "DataFolder.h"
#include "FarreachApp.h"
#include "KeyScript.h"

CFarreachApp theApp;

namespace {

// A command line the program cannot run: the reason, naming the option, and exit status 2.
int Refuse(const std::string& error, const char* program)
{
    fprintf(stderr, "farreach: %s\nUsage: %s [options] (--help lists them)\n", error.c_str(), program);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    LaunchOptions options = ParseLaunchOptions(argc, argv);
    if (options.help) {
        fputs(LaunchUsage(argv[0]).c_str(), stdout);
        return 0;
    }
    if (!options.error.empty())
        return Refuse(options.error, argv[0]);
    AnchorOutputPaths(options);
    std::string error;
    // The script is read before the working folder changes, so a relative path means what it says.
    CKeyScript keys;
    if (!options.inputScript.empty()) {
        if (!keys.Load(options.inputScript, error)) {
            fprintf(stderr, "farreach: --input %s\n", error.c_str());
            return 2;
        }
        theApp.SetKeyScript(&keys);
    }
    if (!EnterDataDirectory(options, ThisProgramsDataSearch(), error))
        return Refuse(error, argv[0]);
    theApp.SetOptions(options);
    const int result = AfxWinMain(argc, argv);
    return theApp.ExitCode() != 0 ? theApp.ExitCode() : result;
}
