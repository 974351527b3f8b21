// Farreach: the demo program.
#include <cstdio>

#include "FarreachApp.h"
#include "KeyScript.h"

CFarreachApp theApp;

int main(int argc, char** argv)
{
    const LaunchOptions options = ParseLaunchOptions(argc, argv);
    if (options.help) {
        fputs(LaunchUsage(argv[0]).c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) {
        fprintf(stderr, "farreach: %s\n%s", options.error.c_str(), LaunchUsage(argv[0]).c_str());
        return 2;
    }
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
    if (!EnterDataDirectory(options, argv[0], error)) {
        fprintf(stderr, "farreach: %s\n", error.c_str());
        return 1;
    }
    theApp.SetOptions(options);
    const int result = AfxWinMain(argc, argv);
    return theApp.ExitCode() != 0 ? theApp.ExitCode() : result;
}
