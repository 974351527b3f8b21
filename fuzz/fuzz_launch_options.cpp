// The demo's command line: the input is split at its zero bytes into arguments. Whatever they are,
// the parser answers either a reason or options that hold together: a live run has no span, an
// offline one no seek and no dialog, a part lies in 1 to 15, a live size is one of the launcher's.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "LaunchOptions.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckAccepted(const LaunchOptions& o)
{
    const bool offline = o.mode != RunMode::Live;
    if (offline) {
        // A benchmark may start at a part; nothing offline starts at a time.
        Require(!o.showDialog && !o.startSeconds && (o.mode == RunMode::Bench || !o.startPart));
    } else {
        Require(!o.from && !o.to);
        if (o.width != 0)
            Require(o.resolution && *o.resolution >= 0 && *o.resolution <= 2);
    }
    if (o.mode == RunMode::Capture && o.fps)
        Require(*o.fps > 0);
    if (o.mode == RunMode::Bench)
        Require(!o.fps);
    if (o.from && o.to)
        Require(*o.to > *o.from);
    if (o.startPart)
        Require(*o.startPart >= 1 && *o.startPart <= 15 && !o.startSeconds);
    if (!o.benchJson.empty())
        Require(o.mode == RunMode::Bench);
    for (const std::optional<double>& value : {o.fps, o.from, o.to, o.startSeconds})
        if (value)
            Require(*value >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> words{"farreach"};
    std::string word;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());
    argv.push_back(nullptr);
    const LaunchOptions options = ParseLaunchOptions(static_cast<int>(words.size()), argv.data());
    if (options.error.empty())
        CheckAccepted(options);
    Require(!LaunchUsage(argv[0]).empty());
    return 0;
}
