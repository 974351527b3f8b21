// The controls of a dialog and their state, kept by the dialog itself: check states, texts, the
// radio groups and tab stops. Behaves as the Windows button and dialog manager do: a radio button
// carries a tab stop exactly while it is checked, clicking an auto radio button clears the other auto
// radio buttons of its group, check states are clamped to what the control can show.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "dialog_template.h"

struct DialogControlState {
    DialogControl control;
    int check = BST_UNCHECKED;
};

class DialogControlSet {
public:
    void Load(const std::vector<DialogControl>& controls);
    void Clear() { m_controls.clear(); }

    int Count() const { return static_cast<int>(m_controls.size()); }
    const DialogControlState& At(int index) const { return m_controls[static_cast<size_t>(index)]; }
    // The index of the first control with that id, -1 when there is none.
    int IndexOf(int id) const;

    bool IsRadio(int index) const;
    bool IsCheckBox(int index) const;
    bool IsPushButton(int index) const;  // push button or default push button
    bool IsButton(int index) const;      // anything that can be clicked
    bool IsEnabled(int index) const;
    bool HasTabStop(int index) const;
    bool StartsGroup(int index) const;

    // BM_SETCHECK and BM_GETCHECK. Unknown ids and controls that are no buttons read 0.
    void SetCheck(int index, int state);
    int GetCheck(int index) const;

    // What a click does to the control itself (before its notification): an auto check box toggles,
    // an auto radio button is checked and the other auto radio buttons of its group are cleared.
    void ApplyClick(int index);

    // The controls of the group holding index: from the control starting it (WS_GROUP, or the first
    // control) up to the next one starting a group. Returned as [first, end).
    std::pair<int, int> GroupOf(int index) const;
    // The next (or previous) enabled tab stop after index, wrapping; index -1 starts at the top.
    // -1 when the dialog has none.
    int NextTabStop(int index, bool backwards) const;
    // The next (or previous) enabled control of index's group, wrapping, not counting static
    // controls and group boxes; index itself when there is no other.
    int NextInGroup(int index, bool backwards) const;
    // The first default push button, -1 when there is none.
    int DefaultButton() const;

    void SetText(int index, const std::string& text);

private:
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    std::vector<DialogControlState> m_controls;
};
