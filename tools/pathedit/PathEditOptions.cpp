#include "PathEditOptions.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool ParseSize(const std::string& text, int& width, int& height)
{
    char tail = 0;
    return sscanf(text.c_str(), "%dx%d%c", &width, &height, &tail) == 2 && width >= 320 && width <= 4096 &&
           height >= 240 && height <= 4096;
}

bool ParseCount(const std::string& text, int& count)
{
    char* end = nullptr;
    const long value = strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 1000000)
        return false;
    count = static_cast<int>(value);
    return true;
}

bool ParsePositive(const std::string& text, float& value)
{
    char* end = nullptr;
    value = strtof(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value) && value > 0;
}

bool EndsWith(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size())
        return false;
    for (size_t i = 0; i < ending.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - ending.size() + i])) != ending[i])
            return false;
    return true;
}

bool TakesValue(const std::string& option)
{
    for (const char* name : {"--model", "--model-size", "--resolution", "--frames", "--screenshot"})
        if (option == name)
            return true;
    return false;
}

void ParseValue(SPathEditOptions& o, const std::string& option, const std::string& value)
{
    if (option == "--model") {
        o.model = value;
        if (ModelKind(value).empty())
            o.error = "--model needs a .lwo, .3ds or .x file, not '" + value + "'";
    } else if (option == "--model-size") {
        if (!ParsePositive(value, o.modelSize))
            o.error = "--model-size needs a number above 0, not '" + value + "'";
    } else if (option == "--resolution") {
        if (!ParseSize(value, o.width, o.height))
            o.error = "--resolution needs WxH from 320x240 to 4096x4096 (for example 1024x768), not '" + value + "'";
    } else if (option == "--frames") {
        if (!ParseCount(value, o.frames))
            o.error = "--frames needs a whole number of 1 or more, not '" + value + "'";
    } else if (option == "--screenshot") {
        o.screenshot = value;
        if (!EndsWith(value, ".png"))
            o.error = "--screenshot needs a file name ending in .png, not '" + value + "'";
    }
}

void CheckCombinations(SPathEditOptions& o)
{
    if (o.help || !o.error.empty())
        return;
    if (o.pathFile.empty())
        o.error = "FILE, the path file to edit, is missing";
    else if (!o.screenshot.empty() && o.frames < 0)
        o.error = "--screenshot needs --frames: the picture is that of the last frame";
}

}  // namespace

std::string ModelKind(const std::string& model)
{
    for (const char* kind : {"lwo", "3ds", "x"})
        if (EndsWith(model, std::string(".") + kind))
            return kind;
    return "";
}

SPathEditOptions ParsePathEditOptions(int argc, const char* const* argv)
{
    SPathEditOptions options;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (arg == "--windowed")
            options.windowed = true;
        else if (arg == "--trajectory")
            options.showTrajectory = true;
        else if (TakesValue(arg) && i + 1 < argc)
            ParseValue(options, arg, argv[++i]);
        else if (TakesValue(arg))
            options.error = arg + " needs a value";
        else if (arg.size() > 1 && arg[0] == '-')
            options.error = "unknown option '" + arg + "'";
        else if (options.pathFile.empty())
            options.pathFile = arg;
        else
            options.error = "only one path FILE can be edited, '" + arg + "' is a second";
    }
    CheckCombinations(options);
    return options;
}

std::string PathEditUsage(const char* program)
{
    return std::string("Usage: ") + (program ? program : "pathedit") +
           " FILE [options]\n"
           "Edits the motion path in FILE with the engine's path editor, over a ground grid and a sky box.\n"
           "FILE is loaded when it exists (else the path starts empty); RETURN writes the path to FILE.\n"
           "Without --model the path is a camera path: F3 looks through it, and a box marks its camera.\n"
           "  --model MODEL        a .lwo, .3ds or .x model that follows the path (default: none)\n"
           "  --model-size N       the model's largest extent in path units (default: 4)\n"
           "  --resolution WxH     the screen size (default: 1024x768)\n"
           "  --windowed           run in a window (default: full screen)\n"
           "  --trajectory         start with the key points and the curve shown, as after F1\n"
           "                       (default: hidden)\n"
           "  --frames N           stop after N frames, on a clock of 60 steps a second, so that the\n"
           "                       frames are the same at every run (default: run until Escape)\n"
           "  --screenshot F.png   with --frames, write the last frame as a PNG (default: none)\n"
           "  --help               this text\n";
}
