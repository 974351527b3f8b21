#include <gtest/gtest.h>

#include "dialog_test_support.h"

using namespace mfc_test;

namespace {

class ModalDialog : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestTemplates(); }
};

void ExpectSettingsUnchanged(const SettingsDialog& d)
{
    EXPECT_EQ(d.resolution, 2);
    EXPECT_EQ(d.colors, 1);
    EXPECT_EQ(d.fullscreen, TRUE);
    EXPECT_EQ(d.info, FALSE);
}

// Changes every control of the settings dialog away from its defaults.
void ChangeSettings(CDialog& d)
{
    d.ClickControl(8004);
    d.ClickControl(8005);
    d.ClickControl(8007);
    d.SetControlChecked(8008, true);
}

}  // namespace

TEST_F(ModalDialog, InitDialogLoadsTheMembersIntoTheControls)
{
    SettingsDialog dialog;
    dialog.resolution = 1;
    bool seen = false;
    ScopedDriver driver([&](CDialog& d) {
        seen = true;
        EXPECT_TRUE(IsWindowVisible(d.m_hWnd));
        EXPECT_EQ(d.IsDlgButtonChecked(8001), 1u);
        EXPECT_EQ(d.IsDlgButtonChecked(8002), 0u);
        EXPECT_EQ(d.IsDlgButtonChecked(8006), 1u);
        EXPECT_EQ(d.IsDlgButtonChecked(8007), 1u);
        EXPECT_EQ(d.FocusedControlId(), IDOK);  // the first tab stop
        RECT client;
        GetClientRect(d.m_hWnd, &client);
        EXPECT_EQ(client.right, 341);
        EXPECT_EQ(client.bottom, 164);
        char caption[64];
        GetWindowTextA(d.m_hWnd, caption, sizeof caption);
        EXPECT_STREQ(caption, "Varnix settings");
        d.EndDialog(5);
    });
    EXPECT_EQ(dialog.DoModal(), 5);
    EXPECT_TRUE(seen);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(ModalDialog, OkWritesTheControlsBack)
{
    SettingsDialog dialog;
    ScopedDriver driver([](CDialog& d) {
        ChangeSettings(d);
        d.ClickControl(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.resolution, 4);
    EXPECT_EQ(dialog.colors, 0);
    EXPECT_EQ(dialog.fullscreen, FALSE);
    EXPECT_EQ(dialog.info, TRUE);
}

TEST_F(ModalDialog, CancelEscapeAndCloseBoxChangeNothing)
{
    const std::function<void(CDialog&)> endings[] = {
        [](CDialog& d) { d.ClickControl(IDCANCEL); },
        [](CDialog& d) { PushKeyPress(d, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE); },
        [](CDialog& d) {
            SDL_Event close{};
            close.type = SDL_WINDOWEVENT;
            close.window.event = SDL_WINDOWEVENT_CLOSE;
            close.window.windowID = SdlWindowId(d);
            SDL_PushEvent(&close);
        },
        [](CDialog& d) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& end : endings) {
        SettingsDialog dialog;
        ScopedDriver driver([&](CDialog& d) {
            ChangeSettings(d);
            end(d);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ExpectSettingsUnchanged(dialog);
    }
}

TEST_F(ModalDialog, EnterClicksTheDefaultButton)
{
    SettingsDialog dialog;
    ScopedDriver driver([](CDialog& d) {
        d.ClickControl(8000);
        PushKeyPress(d, SDLK_TAB, SDL_SCANCODE_TAB);  // OK to Cancel: Enter now presses the focused Cancel
        PushKeyPress(d, SDLK_TAB, SDL_SCANCODE_TAB);  // on to the checked radio button
        PushKeyPress(d, SDLK_RETURN, SDL_SCANCODE_RETURN);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.resolution, 0);
    EXPECT_EQ(dialog.FocusedControlId(), 8000);
}

TEST_F(ModalDialog, EnterOnAFocusedPushButtonClicksThatButton)
{
    SettingsDialog dialog;
    ScopedDriver driver([](CDialog& d) {
        d.ClickControl(8003);
        PushKeyPress(d, SDLK_TAB, SDL_SCANCODE_TAB);
        PushKeyPress(d, SDLK_RETURN, SDL_SCANCODE_RETURN);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.resolution, 2);
}

TEST_F(ModalDialog, TabArrowsAndSpaceWorkTheControls)
{
    SettingsDialog dialog;
    ScopedDriver driver([](CDialog& d) {
        // OK -> Cancel -> resolution group (1024 x 768 checked) -> down to 1280 x 1024
        PushKeyPress(d, SDLK_TAB, SDL_SCANCODE_TAB);
        PushKeyPress(d, SDLK_TAB, SDL_SCANCODE_TAB);
        PushKeyPress(d, SDLK_DOWN, SDL_SCANCODE_DOWN);
        // -> colours (32 bits) -> Fullscreen, toggled off with Space -> Shift+Tab back to 32 bits
        PushKeyPress(d, SDLK_TAB, SDL_SCANCODE_TAB);
        PushKeyPress(d, SDLK_TAB, SDL_SCANCODE_TAB);
        PushKeyPress(d, SDLK_SPACE, SDL_SCANCODE_SPACE);
        PushKey(d, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, true);
        PushKeyPress(d, SDLK_TAB, SDL_SCANCODE_TAB);
        PushKey(d, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, false);
        PushKeyPress(d, SDLK_UP, SDL_SCANCODE_UP);  // 16 bits
        PushKeyPress(d, SDLK_RETURN, SDL_SCANCODE_RETURN);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.resolution, 3);
    EXPECT_EQ(dialog.colors, 0);
    EXPECT_EQ(dialog.fullscreen, FALSE);
    EXPECT_EQ(dialog.FocusedControlId(), 8005);
}

TEST_F(ModalDialog, MouseClickOnAButtonRunsItsHandler)
{
    class Launcher : public CDialog {
    public:
        Launcher() : CDialog(kLauncherId) { OnClicked(19000, [this] { OnStartDemo(); }); }
        int resolution = 2;
        BOOL fullscreen = TRUE;
        BOOL infos = FALSE;
        int starts = 0;

    protected:
        void DoDataExchange(CDataExchange* dx) override
        {
            DDX_Radio(dx, 19002, resolution);
            DDX_Check(dx, 19007, fullscreen);
            DDX_Check(dx, 19008, infos);
        }
        void OnStartDemo()
        {
            ++starts;
            UpdateData(TRUE);
            EndDialog(0);
        }
    } dialog;
    ScopedDriver driver([](CDialog& d) {
        PushClickOn(d, 19003);
        PushClickOn(d, 19008);
        PushClickOn(d, 19000);
    });
    EXPECT_EQ(dialog.DoModal(), 0);
    EXPECT_EQ(dialog.starts, 1);
    EXPECT_EQ(dialog.resolution, 1);
    EXPECT_EQ(dialog.fullscreen, TRUE);
    EXPECT_EQ(dialog.infos, TRUE);
}

TEST_F(ModalDialog, PressAndReleaseOnDifferentPlacesIsNoClick)
{
    SettingsDialog dialog;
    ScopedDriver driver([](CDialog& d) {
        const RECT ok = d.ControlRect(IDOK);
        const RECT box = d.ControlRect(IDC_STATIC);  // the group box takes no clicks
        PushMouseButton(d, ok.left + 2, ok.top + 2, true);
        PushMouseButton(d, ok.right + 30, ok.bottom + 5, false);
        PushMouseButton(d, box.left + 2, box.top + 2, true);
        PushMouseButton(d, box.left + 2, box.top + 2, false);
        PushClickOn(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(ModalDialog, QuitMessageEndsTheLoopAndIsPostedAgain)
{
    SettingsDialog dialog;
    ScopedDriver driver([](CDialog&) { PostQuitMessage(3); });
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(ModalDialog, UnknownTemplateFailsAtOnce)
{
    CDialog dialog(4711);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST_F(ModalDialog, EndDialogDuringInitSkipsTheLoop)
{
    class Quick : public CDialog {
    public:
        Quick() : CDialog(kSettingsId) {}
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            EndDialog(9);
            return TRUE;
        }
    } dialog;
    bool driven = false;
    ScopedDriver driver([&](CDialog&) { driven = true; });
    EXPECT_EQ(dialog.DoModal(), 9);
    EXPECT_FALSE(driven);
    EXPECT_EQ(driver.Frames(), 0);
}
