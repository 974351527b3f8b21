#include "LaunchOptions.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace {

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<int> ResolutionIndex(const std::string& text)
{
    if (text == "640x480")
        return 0;
    if (text == "800x600")
        return 1;
    if (text == "1024x768")
        return 2;
    return std::nullopt;
}

std::string ProgramDirectory(const char* argv0)
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string program = length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string(argv0 ? argv0 : "");
    const size_t slash = program.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : program.substr(0, slash);
}

}  // namespace

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv)
{
    LaunchOptions options;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--windowed")
            options.fullscreen = false;
        else if (arg == "--fullscreen")
            options.fullscreen = true;
        else if (arg == "--infos")
            options.infos = true;
        else if (arg == "--no-dialog")
            options.showDialog = false;
        else if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (arg == "--resolution" && hasValue) {
            options.resolution = ResolutionIndex(argv[++i]);
            if (!options.resolution)
                options.error = std::string("unknown resolution '") + argv[i] + "' (use 640x480, 800x600 or 1024x768)";
        } else if (arg == "--data" && hasValue)
            options.dataDirectory = argv[++i];
        else if (arg == "--resolution" || arg == "--data")
            options.error = arg + " needs a value";
        else
            options.error = "unknown option '" + arg + "'";
    }
    return options;
}

std::string LaunchUsage(const char* program)
{
    return std::string("Usage: ") + (program ? program : "farreach") +
           " [options]\n"
           "Plays the demo. Without options the launcher dialog asks for the settings.\n"
           "  --windowed              play in a window\n"
           "  --fullscreen            play full screen\n"
           "  --resolution WxH        640x480, 800x600 or 1024x768\n"
           "  --infos                 show the engine's information lines\n"
           "  --no-dialog             start at once with the settings given here\n"
           "  --data DIR              the folder that holds Data (default: the working directory if it\n"
           "                          holds Data, else the program's own folder)\n"
           "  --help                  this text\n";
}

bool EnterDataDirectory(const LaunchOptions& options, const char* argv0, std::string& error)
{
    if (!options.dataDirectory.empty()) {
        if (!IsDirectory(options.dataDirectory) || chdir(options.dataDirectory.c_str()) != 0) {
            error = "cannot enter the data folder '" + options.dataDirectory + "'";
            return false;
        }
        return true;
    }
    if (IsDirectory("Data"))
        return true;
    const std::string own = ProgramDirectory(argv0);
    if (IsDirectory(own + "/Data") && chdir(own.c_str()) != 0) {
        error = "cannot enter the program's folder '" + own + "'";
        return false;
    }
    return true;  // without Data anywhere, the demo reports each file it cannot find
}
