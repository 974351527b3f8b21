// The launcher: its defaults, the command line's mapping onto its settings, and what "Start the demo"
// hands to the screen.
#include <SDL.h>
#include <gtest/gtest.h>

#include <atomic>

#include "FarreachDlg.h"
#include "DataFolder.h"
#include "LaunchOptions.h"
#include "dialog_hooks.h"
#include "screen_run.h"

namespace {

LaunchOptions Parse(std::initializer_list<const char*> args)
{
    std::vector<const char*> argv{"farreach"};
    argv.insert(argv.end(), args.begin(), args.end());
    return ParseLaunchOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(LaunchOptions, EachOptionStandsForADialogSetting)
{
    LaunchOptions none = Parse({});
    EXPECT_TRUE(none.showDialog);
    EXPECT_FALSE(none.fullscreen.has_value());
    EXPECT_FALSE(none.resolution.has_value());
    EXPECT_TRUE(none.error.empty());

    LaunchOptions all = Parse({"--windowed", "--resolution", "800x600", "--infos", "--no-dialog", "--data", "/tmp"});
    EXPECT_FALSE(all.showDialog);
    EXPECT_EQ(all.fullscreen, false);
    EXPECT_EQ(all.resolution, 1);
    EXPECT_EQ(all.infos, true);
    EXPECT_EQ(all.dataDirectory, "/tmp");
    EXPECT_EQ(Parse({"--fullscreen", "--resolution", "1024x768"}).resolution, 2);
    EXPECT_EQ(Parse({"--fullscreen"}).fullscreen, true);
    EXPECT_TRUE(Parse({"--help"}).help);
}

TEST(LaunchOptions, BadCommandLinesAreRefusedWithAReason)
{
    EXPECT_NE(Parse({"--resolution", "1280x1024"}).error.find("1280x1024"), std::string::npos);
    EXPECT_NE(Parse({"--resolution"}).error.find("needs a value"), std::string::npos);
    EXPECT_NE(Parse({"--bogus"}).error.find("--bogus"), std::string::npos);
    std::string error;
    LaunchOptions missing = Parse({"--data", "/nonexistent/folder"});
    EXPECT_FALSE(EnterDataDirectory(missing, ThisProgramsDataSearch(), error));
    EXPECT_NE(error.find("/nonexistent/folder"), std::string::npos);
}

// Plays the launcher's user: presses "Start the demo", then Escape in the demo's window.
class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterFarreachResources(); }
    void TearDown() override { platform::SetDialogDriver(nullptr); }
};

std::string g_titleWhileRunning;

DWORD WINAPI PressEscapeSoon(LPVOID)
{
    for (int i = 0; i < 400; ++i) {
        HWND window = CScreen::Instance().GetHWnd();
        if (window && CScreen::Instance().GetD3DDevice()) {
            Sleep(100);
            g_titleWhileRunning = WindowTitle(window);
            PressKey(window, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
            return 0;
        }
        Sleep(10);
    }
    return 1;
}

TEST_F(LauncherTest, StartingWithTheDefaultsAsksForFullScreen1024WithoutInfos)
{
    int width = 0;
    bool fullscreen = false;
    platform::SetDialogDriver([](CDialog& dialog) { dialog.ClickControl(IDC_START_DEMO); });
    CFarreachDlg dialog;
    HANDLE presser = CreateThread(nullptr, 0, PressEscapeSoon, nullptr, 0, nullptr);
    const int result = dialog.DoModal();
    WaitForSingleObject(presser, INFINITE);
    CloseHandle(presser);
    CScreen& screen = CScreen::Instance();
    width = screen.GetXResolution();
    fullscreen = screen.GetFullscreen();
    EXPECT_FALSE(screen.GetViewInfo());
    EXPECT_EQ(g_titleWhileRunning, "Varnix screen - TheZenth");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(width, 1024);
    EXPECT_TRUE(fullscreen);
    EXPECT_EQ(dialog.m_bInfos, 0);
    EXPECT_EQ(dialog.m_nResolution, 2);
}

TEST_F(LauncherTest, QuitEndsWithoutStartingAnything)
{
    platform::SetDialogDriver([](CDialog& dialog) { dialog.ClickControl(IDCANCEL); });
    CFarreachDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(LauncherTest, ClosingTheDialogBehavesAsQuit)
{
    platform::SetDialogDriver([](CDialog& dialog) { dialog.PostMessage(WM_CLOSE); });
    CFarreachDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}  // namespace

namespace {

TEST(LaunchOptions, RunModesTakeTheirSpanRateAndAny43Size)
{
    LaunchOptions capture = Parse({"--capture", "/tmp/x", "--fps", "30", "--from", "2.5", "--to", "4", "--resolution",
                                   "1440x1080"});
    EXPECT_TRUE(capture.error.empty()) << capture.error;
    EXPECT_EQ(capture.mode, RunMode::Capture);
    EXPECT_FALSE(capture.showDialog);
    EXPECT_EQ(capture.captureDirectory, "/tmp/x");
    EXPECT_EQ(capture.fps, 30);
    EXPECT_EQ(capture.from, 2.5);
    EXPECT_EQ(capture.to, 4);
    EXPECT_EQ(capture.width, 1440);
    EXPECT_EQ(capture.height, 1080);
    LaunchOptions bench = Parse({"--bench", "--bench-json", "b.json", "--to", "10"});
    EXPECT_TRUE(bench.error.empty()) << bench.error;
    EXPECT_EQ(bench.mode, RunMode::Bench);
    EXPECT_EQ(bench.benchJson, "b.json");
    // A benchmark may start at a part, so one part is measured without playing those before it.
    LaunchOptions part = Parse({"--bench", "--part", "7", "--to", "130"});
    EXPECT_TRUE(part.error.empty()) << part.error;
    EXPECT_EQ(part.startPart, 7);
    LaunchOptions live = Parse({"--part", "7", "--fps", "0", "--no-dialog"});
    EXPECT_TRUE(live.error.empty()) << live.error;
    EXPECT_EQ(live.mode, RunMode::Live);
    EXPECT_EQ(live.startPart, 7);
    EXPECT_EQ(live.fps, 0);
    EXPECT_EQ(Parse({"--start", "42.5"}).startSeconds, 42.5);
}

TEST(LaunchOptions, RunModesRefuseWhatTheyCannotDo)
{
    EXPECT_NE(Parse({"--capture", "d", "--resolution", "1280x1024"}).error.find("not 4:3"), std::string::npos);
    EXPECT_NE(Parse({"--resolution", "960x720"}).error.find("960x720"), std::string::npos);  // live: the three
    EXPECT_NE(Parse({"--capture", "d", "--fps", "0"}).error.find("above 0"), std::string::npos);
    EXPECT_NE(Parse({"--capture", "d", "--start", "3"}).error.find("--start"), std::string::npos);
    EXPECT_NE(Parse({"--capture", "d", "--part", "3"}).error.find("--part"), std::string::npos);
    EXPECT_NE(Parse({"--bench", "--start", "3"}).error.find("--start"), std::string::npos);
    EXPECT_NE(Parse({"--bench", "--fps", "30"}).error.find("60"), std::string::npos);
    EXPECT_NE(Parse({"--part", "0"}).error.find("1 to 15"), std::string::npos);
    EXPECT_NE(Parse({"--part", "2.5"}).error.find("1 to 15"), std::string::npos);
    const LaunchOptions huge = Parse({"--part", "1e124"});  // past any int
    EXPECT_NE(huge.error.find("1 to 15"), std::string::npos);
    EXPECT_FALSE(huge.startPart.has_value());
    EXPECT_NE(Parse({"--start", "-1"}).error.find("--start"), std::string::npos);
    EXPECT_NE(Parse({"--to", "3"}).error.find("--capture"), std::string::npos);
    EXPECT_NE(Parse({"--part", "3", "--start", "4"}).error.find("not both"), std::string::npos);
    EXPECT_NE(Parse({"--capture", "d", "--resolution", "4x3"}).error.find("outside"), std::string::npos);
}

}  // namespace
