// The whole demo under the address and undefined-behaviour sanitizers: a capture of every part at a
// low rate, the hidden part opened in the credits by a key script and played to the end of the span,
// then the program's own exit with its leak check. Any report, or an exit other than 0, fails it. The
// program is run as the test found it built, so the test means something only in a sanitizer build
// and is skipped in others (a plain whole capture is the whole-demo tests' business).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "demo_run.h"
#include "platform_music.h"

namespace fs = std::filesystem;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

TEST(DemoUnderSanitizer, WholeCaptureThroughTheHiddenPartGivesNoReport)
{
    if (!kSanitized)
        GTEST_SKIP() << "not a sanitizer build";
    const std::string script = TempName("sanitizer_keys.txt"), frames = TempName("sanitizer_frames");
    {
        // The credits start at 322.56 s; the hidden part opens at 330 s.
        std::ofstream keys(script);
        for (const char* key : {"LSHIFT", "RCONTROL", "7", "8", "9", "UP", "DOWN"})
            keys << "330 down " << key << "\n330.5 up " << key << "\n";
        keys << "340 down F1\n340.5 up F1\n341 down SPACE\n341.5 up SPACE\n";
    }
    fs::remove_all(frames);
    const SProgramRun run = RunFarreach("--capture " + frames + " --fps 2 --resolution 320x240 --input " + script,
                                        "cd " FARREACH_BUILD_DIR " && timeout 1500 env");
    int written = -1;
    std::string other;
    std::istringstream lines(run.errors);
    const std::regex closing("farreach: (\\d+) frames and audio.wav in .*");
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_match(line, match, closing))
            written = std::stoi(match[1]);
        else
            other += line + "\n";
    }
    EXPECT_EQ(run.status, 0) << other;
    EXPECT_EQ(other, "");
    // The default span: the module's length and 5 s.
    const double span = platform::MusicLengthSeconds(FARREACH_BUILD_DIR "/Data/thezenth.XM") + 5;
    ASSERT_GT(span, 300);
    EXPECT_NEAR(written, span * 2, 1.5);
    fs::remove_all(frames);
    fs::remove(script);
}

}  // namespace
