#include <gtest/gtest.h>

#include "test_templates.h"

using namespace mfc_test;

namespace {

// The settings dialog's data exchange on a window object that holds the controls, no window needed.
class SettingsControls : public CWnd {
public:
    explicit SettingsControls(const DialogTemplate& t) { Controls().Load(t.controls); }
    int resolution = 2;
    int colors = 1;
    BOOL fullscreen = TRUE;
    BOOL info = FALSE;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Radio(dx, 8000, resolution);
        DDX_Radio(dx, 8005, colors);
        DDX_Check(dx, 8007, fullscreen);
        DDX_Check(dx, 8008, info);
    }
};

}  // namespace

TEST(DataExchange, LoadsMembersIntoControls)
{
    SettingsControls w(SettingsTemplate());
    w.resolution = 3;
    w.colors = 0;
    w.UpdateData(FALSE);
    for (int id = 8000; id <= 8004; ++id)
        EXPECT_EQ(w.IsDlgButtonChecked(id), id == 8003 ? 1u : 0u) << id;
    EXPECT_EQ(w.IsDlgButtonChecked(8005), 1u);
    EXPECT_EQ(w.IsDlgButtonChecked(8006), 0u);
    EXPECT_EQ(w.IsDlgButtonChecked(8007), 1u);
    EXPECT_EQ(w.IsDlgButtonChecked(8008), 0u);
}

TEST(DataExchange, SavesControlsIntoMembers)
{
    SettingsControls w(SettingsTemplate());
    w.UpdateData(FALSE);
    w.CheckRadioButton(8000, 8004, 8001);
    w.CheckRadioButton(8005, 8006, 8005);
    w.CheckDlgButton(8007, BST_UNCHECKED);
    w.CheckDlgButton(8008, BST_CHECKED);
    w.UpdateData(TRUE);
    EXPECT_EQ(w.resolution, 1);
    EXPECT_EQ(w.colors, 0);
    EXPECT_EQ(w.fullscreen, FALSE);
    EXPECT_EQ(w.info, TRUE);
}

TEST(DataExchange, RadioIndexIsMinusOneWhenNoneIsCheckedAndOutOfRangeChecksNone)
{
    SettingsControls w(SettingsTemplate());
    w.resolution = 7;  // no such button: loading clears them all
    w.UpdateData(FALSE);
    for (int id = 8000; id <= 8004; ++id)
        EXPECT_EQ(w.IsDlgButtonChecked(id), 0u);
    w.UpdateData(TRUE);
    EXPECT_EQ(w.resolution, -1);
    EXPECT_EQ(w.colors, 1);  // the other group is its own
}

TEST(DataExchange, RadioGroupSkipsOtherControlsAndEndsAtTheNextGroup)
{
    // The launcher's group holds two check boxes after its radio buttons and ends at the static
    // text that starts a group; the index counts radio buttons only.
    class Launcher : public CWnd {
    public:
        Launcher() { Controls().Load(LauncherTemplate().controls); }
        int resolution = 2;
        BOOL fullscreen = TRUE, info = FALSE;
        void DoDataExchange(CDataExchange* dx) override
        {
            DDX_Radio(dx, 19002, resolution);
            DDX_Check(dx, 19007, fullscreen);
            DDX_Check(dx, 19008, info);
        }
    } w;
    w.UpdateData(FALSE);
    EXPECT_EQ(w.IsDlgButtonChecked(19004), 1u);
    EXPECT_EQ(w.IsDlgButtonChecked(19007), 1u);  // not touched by the radio exchange
    w.CheckRadioButton(19002, 19004, 19002);
    w.UpdateData(TRUE);
    EXPECT_EQ(w.resolution, 0);
    EXPECT_EQ(w.fullscreen, TRUE);
}

TEST(DataExchange, CheckValuesOutsideTheRangeLoadAsUnchecked)
{
    SettingsControls w(SettingsTemplate());
    w.fullscreen = 5;
    w.UpdateData(FALSE);
    EXPECT_EQ(w.fullscreen, 0);  // as MFC: reset to off
    EXPECT_EQ(w.IsDlgButtonChecked(8007), 0u);
    w.info = BST_INDETERMINATE;  // a two-state box shows it as checked
    w.UpdateData(FALSE);
    EXPECT_EQ(w.IsDlgButtonChecked(8008), 1u);
}

TEST(DataExchange, MissingControlsLeaveMembersAlone)
{
    class Empty : public CWnd {
    public:
        int index = 4;
        BOOL check = TRUE;
        void DoDataExchange(CDataExchange* dx) override
        {
            DDX_Radio(dx, 123, index);
            DDX_Check(dx, 124, check);
        }
    } w;
    w.UpdateData(TRUE);
    EXPECT_EQ(w.index, 4);
    EXPECT_EQ(w.check, TRUE);
    EXPECT_EQ(w.IsDlgButtonChecked(123), 0u);
}

TEST(DialogControls, AutoRadioClickClearsOnlyItsGroup)
{
    DialogControlSet c;
    c.Load(SettingsTemplate().controls);
    c.ApplyClick(c.IndexOf(8002));
    c.ApplyClick(c.IndexOf(8006));
    c.ApplyClick(c.IndexOf(8004));
    EXPECT_EQ(c.GetCheck(c.IndexOf(8002)), 0);
    EXPECT_EQ(c.GetCheck(c.IndexOf(8004)), 1);
    EXPECT_EQ(c.GetCheck(c.IndexOf(8006)), 1);
    const int box = c.IndexOf(8007);
    c.ApplyClick(box);
    EXPECT_EQ(c.GetCheck(box), 1);
    c.ApplyClick(box);
    EXPECT_EQ(c.GetCheck(box), 0);
    c.ApplyClick(c.IndexOf(IDOK));  // push buttons keep no state
    EXPECT_EQ(c.GetCheck(c.IndexOf(IDOK)), 0);
}

TEST(DialogControls, TabStopsFollowTheCheckedRadioButton)
{
    DialogControlSet c;
    c.Load(SettingsTemplate().controls);
    c.ApplyClick(c.IndexOf(8003));
    c.ApplyClick(c.IndexOf(8005));
    std::vector<int> order;
    int i = -1;
    for (int n = 0; n < 7; ++n) {
        i = c.NextTabStop(i, false);
        order.push_back(c.At(i).control.id);
    }
    EXPECT_EQ(order, (std::vector<int>{IDOK, IDCANCEL, 8003, 8005, 8007, 8008, IDOK}));
    EXPECT_EQ(c.At(c.NextTabStop(c.IndexOf(IDOK), true)).control.id, 8008);

    // Arrows stay within the group, wrapping, and pass over the group box.
    const int first = c.IndexOf(8000);
    EXPECT_EQ(c.At(c.NextInGroup(c.IndexOf(8004), false)).control.id, 8000);
    EXPECT_EQ(c.At(c.NextInGroup(first, true)).control.id, 8004);
    EXPECT_EQ(c.DefaultButton(), c.IndexOf(IDOK));
}
