// The information lines: their format, and the frame rate measured at most once a second.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform_clock.h"
#include "screen_run.h"

namespace {

TEST(InformationLines, FormatAndAFrameRateThatChangesAtMostOnceASecond)
{
    std::vector<std::string> lines;
    RunScreen({false, RES_640x480, true, "Infos"}, [&] {
        CScreen& screen = CScreen::Instance();
        platform::UseVirtualClock(0.1);  // every present moves the clock by a tenth of a second
        screen.ResetTime();              // however long the device took to make, the run starts at 0
        screen.SetCamera(0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 1.0f);
        for (int frame = 0; frame < 35; ++frame) {
            screen.BeginScene(true);
            screen.EndScene(true);
            lines.push_back(static_cast<const char*>(screen.GetInfoLine()));
        }
        platform::UseSystemClock();
    });
    ASSERT_EQ(lines.size(), 35u);
    std::vector<float> rates;
    for (const std::string& line : lines) {
        char version[16] = {};
        float time = -1, fps = -1;
        ASSERT_EQ(sscanf(line.c_str(), "Varnix Engine V%15[0-9.] (Time: %f[s], FPS: %f)", version, &time, &fps), 3)
            << line;
        EXPECT_STREQ(version, "1.3.4");
        rates.push_back(fps);
    }
    EXPECT_NE(lines[20].find("(Time: 2.0[s], FPS: "), std::string::npos) << lines[20];
    // Each change of the figure is at least ten frames (a second) after the one before.
    int lastChange = -100;
    for (size_t i = 1; i < rates.size(); ++i) {
        if (rates[i] != rates[i - 1]) {
            EXPECT_GE(static_cast<int>(i) - lastChange, 10) << "at frame " << i;
            lastChange = static_cast<int>(i);
        }
    }
    EXPECT_NEAR(rates.back(), 10.0f, 0.5f);
}

}  // namespace
