// The engine's settings dialog: OK writes the controls back, Cancel changes nothing.
#include <gtest/gtest.h>

#include "dialog_hooks.h"
#include "screen/Screen.h"

namespace {

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CScreen& screen = CScreen::Instance();
        screen.SetFullscreen(false);
        screen.ViewInfo(true);
        screen.SetResolution(RES_640x480);
    }
    void TearDown() override
    {
        platform::SetDialogDriver(nullptr);
        SetUp();
    }
};

TEST_F(SettingsDialogTest, OkWritesTheChoicesBack)
{
    bool loaded = false;
    platform::SetDialogDriver([&](CDialog& dialog) {
        // The dialog opens on the screen's settings.
        loaded = dialog.IsDlgButtonChecked(8000) == BST_CHECKED && dialog.IsDlgButtonChecked(8006) == BST_CHECKED &&
                 dialog.IsDlgButtonChecked(8007) == BST_UNCHECKED && dialog.IsDlgButtonChecked(8008) == BST_CHECKED;
        dialog.SetControlChecked(8003, true);  // 1280 x 1024
        dialog.SetControlChecked(8007, true);  // full screen
        dialog.SetControlChecked(8008, false);
        dialog.ClickControl(IDOK);
    });
    CScreen& screen = CScreen::Instance();
    screen.DisplayResolutionDlg();
    EXPECT_TRUE(loaded);
    EXPECT_EQ(screen.GetXResolution(), 1280);
    EXPECT_EQ(screen.GetYResolution(), 1024);
    EXPECT_TRUE(screen.GetFullscreen());
    EXPECT_FALSE(screen.GetViewInfo());
}

TEST_F(SettingsDialogTest, CancelAndTheCloseBoxChangeNothing)
{
    for (int way = 0; way < 2; ++way) {
        platform::SetDialogDriver([way](CDialog& dialog) {
            dialog.SetControlChecked(8004, true);
            dialog.SetControlChecked(8007, true);
            if (way == 0)
                dialog.ClickControl(IDCANCEL);
            else
                dialog.PostMessage(WM_CLOSE);
        });
        CScreen& screen = CScreen::Instance();
        screen.DisplayResolutionDlg();
        EXPECT_EQ(screen.GetXResolution(), 640);
        EXPECT_FALSE(screen.GetFullscreen());
        EXPECT_TRUE(screen.GetViewInfo());
    }
}

}  // namespace
