#include <gtest/gtest.h>

#include "dialog_test_support.h"

using namespace mfc_test;

namespace {

class TestApp : public CWinApp {
public:
    BOOL initResult = FALSE;
    int inits = 0;
    std::function<void()> onInit;
    BOOL InitInstance() override
    {
        ++inits;
        if (onInit)
            onInit();
        return initResult;
    }
};

}  // namespace

TEST(CWinApp, RegistersItselfAndStopsWithoutLoopWhenInitFails)
{
    ScopedDriver::DrainMessages();
    {
        TestApp app;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_TRUE(app.Enable3dControls());
        EXPECT_TRUE(AfxEnableControlContainer());
        PostQuitMessage(12);  // would be the exit code if a loop ran
        char name[] = "/opt/bin/Farreach.exe";
        char* argv[] = {name, nullptr};
        EXPECT_EQ(AfxWinMain(1, argv), 0);
        EXPECT_EQ(app.inits, 1);
        EXPECT_STREQ(app.m_pszExeName, "Farreach");
        EXPECT_STREQ(app.m_pszAppName, "Farreach");
        MSG msg;
        EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // never taken by a loop
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    char name[] = "x";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), -1);  // no application
}

TEST(CWinApp, RunsTheMessageLoopUntilQuitWhenInitSucceeds)
{
    ScopedDriver::DrainMessages();
    TestApp app;
    app.initResult = TRUE;
    app.onInit = [] { PostQuitMessage(7); };
    char name[] = "demo";
    char arg[] = "-x";
    char* argv[] = {name, arg, nullptr};
    EXPECT_EQ(AfxWinMain(2, argv), 7);
    EXPECT_STREQ(app.m_lpCmdLine, "-x");
}

TEST(CWinApp, DialogAsMainWindowEndsTheProgram)
{
    // The program's pattern: InitInstance runs its dialog as the main window and answers FALSE.
    RegisterTestTemplates();
    ScopedDriver driver([](CDialog& d) { d.ClickControl(IDCANCEL); });
    TestApp app;
    int result = 0;
    app.onInit = [&] {
        SettingsDialog dialog;
        app.m_pMainWnd = &dialog;
        result = dialog.DoModal();
        EXPECT_EQ(app.m_pMainWnd, nullptr);  // gone with its window
    };
    char name[] = "Farreach";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(result, IDCANCEL);
}

TEST(CWinApp, HelpCommandReachesTheApplication)
{
    RegisterTestTemplates();
    TestApp app;
    int helps = 0;
    app.MapCommand(ID_HELP, [&] {
        ++helps;
        app.OnHelp();
    });
    SettingsDialog dialog;
    ScopedDriver driver([](CDialog& d) {
        d.PostMessage(WM_COMMAND, ID_HELP, 0);
        d.ClickControl(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(helps, 1);
}
