// The program itself left by Escape and by the window's close box (both from a key script) at moments
// drawn from a fixed-seed generator: at the loading picture, in each of the fifteen parts and in the
// hidden part, fifty runs in all. Each is a capture at a low rate that keeps the frames from a second
// before its moment, so the frames it wrote tell when it ended: every run exits with 0, writes nothing but its closing line on standard error
// (no message box, no sanitizer report) and ends within one second of demo time after the moment.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "DemoParts.h"
#include "OfflineClock.h"
#include "SeekPlan.h"
#include "demo_run.h"
#include "platform_music.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 50;
constexpr int kFps = 2;  // a second of demo time is this many frames
constexpr int kLoading = 0;  // the target before the first part: the loading picture

enum class Leave { Escape, CloseBox };

struct SMoment {
    int target;  // kLoading, a part, or kHiddenPart
    Leave how;
    int startPart;  // the part a moment is counted from (the credits for the hidden part), 0 for none
    double seconds;  // the moment on the demo's clock
    double from;  // the capture's span
    double to;
    std::string script;
};

const char* Name(Leave how) { return how == Leave::Escape ? "Escape" : "close box"; }

std::string Label(const SMoment& m)
{
    const std::string target = m.target == kLoading      ? std::string("loading")
                               : m.target == kHiddenPart ? std::string("hidden part")
                                                         : PartLabel(m.target);
    return target + ", " + Name(m.how) + " at " +
           std::to_string(m.seconds) + " s";
}

// Every target with both ways once, then the remaining runs drawn; in a part the moment falls 1 to 3 s
// after its start, in the hidden part 1 to 3 s after it opened (its keys held at 0.5 s into the credits).
std::vector<SMoment> Moments(const std::vector<platform::MusicSyncEvent>& syncs)
{
    std::vector<int> targets = {kLoading};
    for (int part = 1; part <= kLastPart; ++part)
        targets.push_back(part);
    targets.push_back(kHiddenPart);
    std::vector<std::pair<int, Leave>> plan;
    for (int target : targets)
        for (Leave how : {Leave::Escape, Leave::CloseBox})
            plan.emplace_back(target, how);
    std::mt19937 draw(18);
    std::uniform_int_distribution<size_t> anyTarget(0, targets.size() - 1);
    while (plan.size() < kRuns)
        plan.emplace_back(targets[anyTarget(draw)], plan.size() % 2 ? Leave::CloseBox : Leave::Escape);
    std::uniform_real_distribution<double> offset(1.0, 3.0);
    std::vector<SMoment> moments;
    for (const auto& [target, how] : plan) {
        SMoment m{target, how, 0, 0, 0, 0, ""};
        const std::string action = how == Leave::Escape ? " down ESCAPE\n" : " close\n";
        if (target == kLoading) {
            m.to = 3;
        } else {
            SSeekPlan seek;
            std::string error;
            m.startPart = target == kHiddenPart ? kLastPart : target;
            EXPECT_TRUE(PlanSeek(syncs, std::nullopt, m.startPart, seek, error)) << error;
            m.seconds = seek.seconds + offset(draw);
            if (target == kHiddenPart) {
                m.seconds += 0.75;
                for (const char* key : {"LSHIFT", "RCONTROL", "7", "8", "9", "UP", "DOWN"}) {
                    m.script += std::to_string(seek.seconds + 0.5) + " down " + key + "\n";
                    m.script += std::to_string(seek.seconds + 0.75) + " up " + key + "\n";
                }
            }
            m.from = m.seconds - 1;
            m.to = m.seconds + 3;
        }
        m.script += std::to_string(m.seconds) + action;
        moments.push_back(m);
    }
    return moments;
}

struct SLeft {
    int status = -1;
    int frames = -1;  // written, from its closing line
    std::string unexpected;  // lines of standard error besides the closing line
};

SLeft RunProgram(const SMoment& m)
{
    const std::string script = TempName("leave_keys.txt"), frames = TempName("leave_frames");
    std::ofstream(script) << m.script;
    fs::remove_all(frames);
    // A capture plays from the start (it cannot seek) and keeps the frames from a second before the
    // moment.
    const std::string args = "--capture " + frames + " --fps " + std::to_string(kFps) +
                             " --resolution 320x240 --input " + script + " --from " + std::to_string(m.from) +
                             " --to " + std::to_string(m.to);
    // A run that hangs is ended after a minute (124), far beyond what any run takes.
    const SProgramRun run = RunFarreach(args, "timeout 60 env");
    SLeft left;
    left.status = run.status;
    const std::regex closing("farreach: (\\d+) frames and audio.wav in .*");
    std::istringstream lines(run.errors);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_match(line, match, closing))
            left.frames = std::stoi(match[1]);
        else
            left.unexpected += line + "\n";
    }
    fs::remove_all(frames);
    fs::remove(script);
    return left;
}

// One case per target, so that the runs spread over the test's time limit and over parallel test jobs;
// the fifty moments are drawn as one list and each case takes its own.
class LeavingTheProgram : public testing::TestWithParam<int> {};

TEST_P(LeavingTheProgram, EscapeOrTheCloseBoxEndsItWithinASecondWithExitCodeZero)
{
    std::vector<platform::MusicSyncEvent> syncs;
    ASSERT_TRUE(platform::ScanMusicSyncs(FARREACH_BUILD_DIR "/Data/thezenth.XM", syncs));
    const std::vector<SMoment> moments = Moments(syncs);
    ASSERT_EQ(moments.size(), static_cast<size_t>(kRuns));
    int runs = 0;
    for (const SMoment& m : moments) {
        if (m.target != GetParam())
            continue;
        ++runs;
        const SLeft left = RunProgram(m);
        // The frames of the span before the moment are written in any case; what follows them is the
        // time the program took to end: one frame for Escape (the frame that read it), none for the
        // close box. A run that missed the key would go on to the end of the span, three seconds on.
        const int before = m.target == kLoading ? 0 : kFps;
        const int after = left.frames - before;
        EXPECT_EQ(left.status, 0) << Label(m) << "\n" << left.unexpected;
        EXPECT_EQ(left.unexpected, "") << Label(m);
        EXPECT_GE(after, -1) << Label(m) << ": " << left.frames << " frames";
        EXPECT_LE(after, kFps) << Label(m) << ": " << left.frames << " frames";
        printf("%-44s exit %d, %d frames after the moment\n", Label(m).c_str(), left.status, after);
    }
    EXPECT_GE(runs, 2);
}

INSTANTIATE_TEST_SUITE_P(EveryTarget, LeavingTheProgram,
                         testing::Values(kLoading, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, kHiddenPart),
                         [](const testing::TestParamInfo<int>& info) {
                             return info.param == kLoading      ? std::string("loading")
                                    : info.param == kHiddenPart ? std::string("hidden")
                                                                : "part" + std::to_string(info.param);
                         });

}  // namespace
