// Every option of the program, with its value, default and help: the parser and --help both read it.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "LaunchOptions.h"

namespace {

using Entry = cmdline::Option<LaunchOptions>;

std::string ParseNumber(const std::string& text, double& value)
{
    char* end = nullptr;
    value = strtod(text.c_str(), &end);
    if (text.empty() || !end || *end != '\0' || !std::isfinite(value) || value < 0)
        return "needs a number of 0 or more, not '" + text + "'";
    return "";
}

// A number option stored into one of the optional members.
Entry Number(const char* name, const char* value, const char* defaultText, const char* help,
             std::optional<double> LaunchOptions::*member)
{
    return {name, value, defaultText, help, [member](LaunchOptions& o, const std::string& text) {
                double number = 0;
                const std::string refused = ParseNumber(text, number);
                if (refused.empty())
                    o.*member = number;
                return refused;
            }};
}

std::string ParseResolution(LaunchOptions& o, const std::string& text)
{
    char tail = 0;
    if (sscanf(text.c_str(), "%dx%d%c", &o.width, &o.height, &tail) != 2 || o.width <= 0 || o.height <= 0)
        return "malformed resolution '" + text + "' (use WxH, for example 1024x768)";
    return "";
}

std::string ParsePart(LaunchOptions& o, const std::string& text)
{
    double number = 0;
    if (!ParseNumber(text, number).empty() || number != std::floor(number) || number < 1 || number > 15)
        return "needs a part number from 1 to 15, not '" + text + "'";
    o.startPart = static_cast<int>(number);
    return "";
}

std::string ParseAspect(LaunchOptions& o, const std::string& text)
{
    if (text != "4:3" && text != "16:9")
        return "needs 4:3 or 16:9, not '" + text + "'";
    o.videoWide = text == "16:9";
    return "";
}

std::vector<Entry> MakeTable()
{
    return {
        {"--windowed", nullptr, "off", "play in a window (the launcher's \"Full screen\" unchecked)",
         [](LaunchOptions& o, const std::string&) { return o.fullscreen = false, std::string(); }},
        {"--fullscreen", nullptr, "on for a live run", "play full screen",
         [](LaunchOptions& o, const std::string&) { return o.fullscreen = true, std::string(); }},
        {"--resolution", "WxH", "1024x768 live, 640x480 for a capture or benchmark",
         "640x480, 800x600 or 1024x768 (the launcher's three sizes); a capture or benchmark takes any 4:3 size "
         "the GL driver allows (960x720, 1440x1080, 1920x1440 ...), since the parts are composed for a 4:3 screen",
         ParseResolution},
        {"--infos", nullptr, "off",
         "show the engine's information lines, and a line with the current part, the last sync value, the "
         "music's order and row and the scene time",
         [](LaunchOptions& o, const std::string&) { return o.infos = true, std::string(); }},
        {"--no-dialog", nullptr, "the launcher asks", "start at once with the settings given here",
         [](LaunchOptions& o, const std::string&) { return o.showDialog = false, std::string(); }},
        {"--data", "DIR", "Data beside the program, else in ../share/farreach from it, else in the build tree "
                          "the program was built in, else in the working directory",
         "the folder that holds Data",
         [](LaunchOptions& o, const std::string& v) { return o.dataDirectory = v, std::string(); }},
        Number("--fps", "N", "live: the display's refresh where the swap waits for it, else 60; capture: 60",
               "live: frames per second, 0 draws as fast as it can; with --capture or --video: the frame rate. "
               "Several motions advance per frame, so the demo looks as designed only at a steady 60",
               &LaunchOptions::fps),
        Number("--start", "SECONDS", "0",
               "live: start the music at that time (the next row start), with the part current there",
               &LaunchOptions::startSeconds),
        {"--part", "N", "1",
         "live or --bench: start at the start of part N (1 to 15), found from the module's sync effects. When "
         "seeking, the values parts carry over from earlier parts are those of a fresh start",
         ParsePart},
        {"--capture", "DIR", "no capture",
         "play on a virtual clock with the music decoded in step, no window or sound card needed, and write "
         "DIR/frame_000001.png ... and DIR/audio.wav; two captures give the same bytes. Below about 9 frames a "
         "second a capture can miss a part the music holds for a row",
         [](LaunchOptions& o, const std::string& v) {
             o.mode = RunMode::Capture;
             return o.captureDirectory = v, std::string();
         }},
        {"--video", "FILE.mp4", "no video",
         "the same run as --capture, its frames and music encoded by ffmpeg (H.264 and AAC) into FILE.mp4; "
         "with --capture the frames are written as well",
         [](LaunchOptions& o, const std::string& v) {
             o.mode = RunMode::Capture;
             return o.videoFile = v, std::string();
         }},
        {"--video-aspect", "4:3|16:9", "4:3",
         "with --video: 16:9 centres the 4:3 picture between black bars (960x720 becomes 1280x720)", ParseAspect},
        Number("--from", "S", "0", "the start of the span a capture writes or a benchmark measures, in seconds",
               &LaunchOptions::from),
        Number("--to", "S", "the end of the music plus 5 s", "the end of the span a capture writes or a "
               "benchmark measures, in seconds", &LaunchOptions::to),
        {"--bench", nullptr, "off",
         "the capture's clock at 60 steps a second, drawn as fast as it can, no files: prints the loading time "
         "and the frame times of each part",
         [](LaunchOptions& o, const std::string&) { return o.bench = true, std::string(); }},
        {"--bench-json", "FILE", "none", "with --bench, also write the table as JSON",
         [](LaunchOptions& o, const std::string& v) { return o.benchJson = v, std::string(); }},
        {"--input", "FILE", "no scripted keys",
         "hold keys at chosen moments of the demo, on its clock: lines of \"SECONDS down KEY\" and "
         "\"SECONDS up KEY\" with DirectInput's key names (LSHIFT, RCONTROL, 7, UP, F1, SPACE, ESCAPE ...), "
         "and \"SECONDS close\", a click on the window's close box",
         [](LaunchOptions& o, const std::string& v) { return o.inputScript = v, std::string(); }},
        {"--help", nullptr, "", "list the options and end",
         [](LaunchOptions& o, const std::string&) { return o.help = true, std::string(); }},
        {"-h", nullptr, "", "the same as --help",
         [](LaunchOptions& o, const std::string&) { return o.help = true, std::string(); }},
    };
}

}  // namespace

const std::vector<cmdline::Option<LaunchOptions>>& LaunchOptionTable()
{
    static const std::vector<Entry> table = MakeTable();
    return table;
}
