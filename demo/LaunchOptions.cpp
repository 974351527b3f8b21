#include "LaunchOptions.h"

#include <cstdio>

namespace {

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
            o.error = std::string("--resolution: unknown resolution '") + text +
                      "' (use 640x480, 800x600 or 1024x768)";
    } else if (static_cast<long long>(o.width) * 3 != static_cast<long long>(o.height) * 4) {
        o.error = std::string("--resolution: '") + text + "' is not 4:3: the parts are composed for a 4:3 screen";
    } else if (o.width < 320 || o.width > 4096) {
        o.error = std::string("--resolution: '") + text + "' is outside 320x240 to 4096x3072";
    }
}

void CheckCombinations(LaunchOptions& o)
{
    if (o.bench && o.mode == RunMode::Capture) {
        o.error = "--bench does not go together with --capture or --video";
        return;
    }
    if (o.bench)
        o.mode = RunMode::Bench;
    CheckResolution(o);
    if (!o.error.empty())
        return;
    const bool offline = o.mode != RunMode::Live;
    if (o.mode == RunMode::Capture && (o.startSeconds || o.startPart))
        o.error = "--start and --part are for live runs; a capture takes --from and --to";
    else if (o.mode == RunMode::Bench && o.startSeconds)
        o.error = "--start is for live runs; a benchmark takes --part, --from and --to";
    else if (!offline && (o.from || o.to))
        o.error = "--from and --to need --capture, --video or --bench";
    else if (o.mode == RunMode::Capture && o.fps && *o.fps <= 0)
        o.error = "--fps: a capture needs a rate above 0";
    else if (o.mode == RunMode::Bench && o.fps)
        o.error = "--fps: --bench runs at 60 steps a second; --fps is for live runs and captures";
    else if (o.from && o.to && *o.to <= *o.from)
        o.error = "--to must be later than --from";
    else if (!o.benchJson.empty() && o.mode != RunMode::Bench)
        o.error = "--bench-json needs --bench";
    else if (o.videoWide && o.videoFile.empty())
        o.error = "--video-aspect needs --video";
    else if (o.startSeconds && o.startPart)
        o.error = "give --start or --part, not both";
}

}  // namespace

LaunchOptions ParseLaunchOptions(int argc, const char* const* argv)
{
    LaunchOptions options;
    options.error = cmdline::Parse(LaunchOptionTable(), argc, argv, options);
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
           "Plays the demo. Without options the launcher dialog asks for the settings.\n" +
           cmdline::Describe(LaunchOptionTable());
}
