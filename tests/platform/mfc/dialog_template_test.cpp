#include <gtest/gtest.h>

#include "dialog_renderer.h"
#include "test_templates.h"

using namespace mfc_test;

TEST(DialogTemplate, RegistersAndFindsById)
{
    RegisterTestTemplates();
    const DialogTemplate* launcher = FindDialogTemplate(kLauncherId);
    ASSERT_NE(launcher, nullptr);
    EXPECT_EQ(launcher->caption, "the Zenth by Talvik ");
    EXPECT_EQ(launcher->controls.size(), 10u);
    EXPECT_EQ(FindDialogTemplate(4242), nullptr);

    DialogTemplate changed = LauncherTemplate();
    changed.caption = "other";
    RegisterDialogTemplate(changed);
    EXPECT_EQ(FindDialogTemplate(kLauncherId)->caption, "other");
    RegisterTestTemplates();
}

TEST(DialogTemplate, MapsDialogUnitsWithMsSansSerifMetrics)
{
    const platform::DialogBaseUnits units = platform::BaseUnitsOf(SettingsTemplate());
    EXPECT_EQ(units.cx, 6);
    EXPECT_EQ(units.cy, 13);

    // 227 x 101 units: 340.5 rounds up to 341, 164.125 down to 164.
    const SIZE settings = platform::DialogClientSize(SettingsTemplate());
    EXPECT_EQ(settings.cx, 341);
    EXPECT_EQ(settings.cy, 164);
    const SIZE launcher = platform::DialogClientSize(LauncherTemplate());
    EXPECT_EQ(launcher.cx, 243);
    EXPECT_EQ(launcher.cy, 184);

    // Each edge is mapped on its own: OK at 115, 80, 50, 14.
    const RECT ok = platform::DialogUnitsToPixels(units, 115, 80, 50, 14);
    EXPECT_EQ(ok.left, 173);
    EXPECT_EQ(ok.top, 130);
    EXPECT_EQ(ok.right, 248);
    EXPECT_EQ(ok.bottom, 153);
    const RECT start = platform::DialogUnitsToPixels(units, 7, 87, 93, 19);
    EXPECT_EQ(start.left, 11);
    EXPECT_EQ(start.top, 141);
    EXPECT_EQ(start.right, 150);
    EXPECT_EQ(start.bottom, 172);
}

TEST(DialogTemplate, TextShowsDoubleAmpersandOnceAndHidesMnemonics)
{
    EXPECT_EQ(DisplayText("Show Logo && Infos"), "Show Logo & Infos");
    EXPECT_EQ(DisplayText("&Start"), "Start");
    EXPECT_EQ(DisplayText("a&&&b"), "a&b");
    EXPECT_EQ(DisplayText("end&"), "end");
    EXPECT_EQ(DisplayText(" Settings "), " Settings ");
}
