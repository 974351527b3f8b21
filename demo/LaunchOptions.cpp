#include "LaunchOptions.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

namespace {

bool ParseNumber(const std::string& text, double& value)
{
    char* end = nullptr;
    value = strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0' && std::isfinite(value) && value >= 0;
}

bool ParseSize(const std::string& text, int& width, int& height)
{
    char tail = 0;
    return sscanf(text.c_str(), "%dx%d%c", &width, &height, &tail) == 2 && width > 0 && height > 0;
}

// Options that take a value: the value is checked here, the combinations after the whole line.
void ParseValue(LaunchOptions& o, const std::string& option, const std::string& value)
{
    double number = 0;
    const bool isNumber = ParseNumber(value, number);
    if (option == "--data")
        o.dataDirectory = value;
    else if (option == "--capture")
        o.captureDirectory = value, o.mode = RunMode::Capture;
    else if (option == "--bench-json")
        o.benchJson = value;
    else if (option == "--resolution") {
        if (!ParseSize(value, o.width, o.height))
            o.error = "malformed resolution '" + value + "' (use WxH, for example 1024x768)";
    } else if (!isNumber)
        o.error = option + " needs a number of 0 or more, not '" + value + "'";
    else if (option == "--fps")
        o.fps = number;
    else if (option == "--from")
        o.from = number;
    else if (option == "--to")
        o.to = number;
    else if (option == "--start")
        o.startSeconds = number;
    else if (option == "--part") {
        // Checked before it is made an int: a larger value would not fit one.
        if (number != std::floor(number) || number < 1 || number > 15)
            o.error = "--part needs a part number from 1 to 15, not '" + value + "'";
        else
            o.startPart = static_cast<int>(number);
    }
}

bool TakesValue(const std::string& option)
{
    for (const char* name : {"--resolution", "--data", "--capture", "--fps", "--from", "--to", "--start", "--part",
                             "--bench-json"})
        if (option == name)
            return true;
    return false;
}

// The launcher's sizes for a live run; any 4:3 size for a capture or a benchmark.
void CheckResolution(LaunchOptions& o)
{
    if (o.width == 0)
        return;
    char text[64];
    snprintf(text, sizeof(text), "%dx%d", o.width, o.height);
    if (o.mode == RunMode::Live) {
        o.resolution = ResolutionIndex(text);
        if (!o.resolution)
            o.error = std::string("unknown resolution '") + text + "' (use 640x480, 800x600 or 1024x768)";
    } else if (static_cast<long long>(o.width) * 3 != static_cast<long long>(o.height) * 4) {
        o.error = std::string("resolution '") + text + "' is not 4:3: the parts are composed for a 4:3 screen";
    } else if (o.width < 320 || o.width > 4096) {
        o.error = std::string("resolution '") + text + "' is outside 320x240 to 4096x3072";
    }
}

void CheckCombinations(LaunchOptions& o)
{
    CheckResolution(o);
    if (!o.error.empty())
        return;
    const bool offline = o.mode != RunMode::Live;
    if (offline && (o.startSeconds || o.startPart))
        o.error = "--start and --part are for live runs; a capture or benchmark takes --from and --to";
    else if (!offline && (o.from || o.to))
        o.error = "--from and --to need --capture or --bench";
    else if (o.mode == RunMode::Capture && o.fps && *o.fps <= 0)
        o.error = "a capture needs --fps above 0";
    else if (o.mode == RunMode::Bench && o.fps)
        o.error = "--bench runs at 60 steps a second; --fps is for live runs and captures";
    else if (o.from && o.to && *o.to <= *o.from)
        o.error = "--to must be later than --from";
    else if (!o.benchJson.empty() && o.mode != RunMode::Bench)
        o.error = "--bench-json needs --bench";
    else if (o.startSeconds && o.startPart)
        o.error = "give --start or --part, not both";
}

}  // namespace

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv)
{
    LaunchOptions options;
    bool capture = false, bench = false;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        const std::string arg = argv[i];
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
        else if (arg == "--bench")
            bench = true, options.mode = RunMode::Bench;
        else if (TakesValue(arg) && i + 1 < argc) {
            capture = capture || arg == "--capture";
            ParseValue(options, arg, argv[++i]);
        } else if (TakesValue(arg))
            options.error = arg + " needs a value";
        else
            options.error = "unknown option '" + arg + "'";
    }
    if (capture && bench && options.error.empty())
        options.error = "--capture and --bench do not go together";
    if (options.error.empty())
        CheckCombinations(options);
    if (options.mode != RunMode::Live)
        options.showDialog = false;
    return options;
}

std::string LaunchUsage(const char* program)
{
    return std::string("Usage: ") + (program ? program : "farreach") +
           " [options]\n"
           "Plays the demo. Without options the launcher dialog asks for the settings.\n"
           "  --windowed              play in a window\n"
           "  --fullscreen            play full screen\n"
           "  --resolution WxH        640x480, 800x600 or 1024x768; a capture or benchmark takes any\n"
           "                          4:3 size the GL driver allows (960x720, 1440x1080, 1920x1440 ...)\n"
           "  --infos                 show the engine's information lines, and a line with the part,\n"
           "                          the last sync value, the music's order and row and the time\n"
           "  --no-dialog             start at once with the settings given here\n"
           "  --data DIR              the folder that holds Data (default: the working directory if it\n"
           "                          holds Data, else the program's own folder)\n"
           "  --fps N                 live: frames per second (default: the display's refresh where the\n"
           "                          swap waits for it, else 60); 0 draws as fast as it can. Several\n"
           "                          motions advance per frame, so the demo looks as designed only at a\n"
           "                          steady 60. With --capture: the frame rate of the capture (60)\n"
           "  --start SECONDS         live: start the music at that time, with the part current there\n"
           "  --part N                live: start at the start of part N (1 to 15), found from the\n"
           "                          module's sync effects. When seeking, the values parts carry over\n"
           "                          from earlier parts are those of a fresh start\n"
           "  --capture DIR           no window or sound card needed: play on a virtual clock with the\n"
           "                          music decoded in step and write DIR/frame_000001.png ... and\n"
           "                          DIR/audio.wav; two captures give the same bytes. Below about 9\n"
           "                          frames a second a capture can miss a part the music holds for a row\n"
           "  --from S, --to S        the span a capture writes or a benchmark measures (default: from\n"
           "                          the start to the end of the music plus 5 s)\n"
           "  --bench                 the capture's clock at 60 steps a second, drawn as fast as it can,\n"
           "                          no files: the loading time and frame times per part\n"
           "  --bench-json FILE       with --bench, also write the table as JSON\n"
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
