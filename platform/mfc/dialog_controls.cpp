#include "dialog_controls.h"

void DialogControlSet::Load(const std::vector<DialogControl>& controls)
{
    m_controls.clear();
    for (const DialogControl& control : controls)
        m_controls.push_back(DialogControlState{control, BST_UNCHECKED});
}

int DialogControlSet::IndexOf(int id) const
{
    for (int i = 0; i < Count(); ++i)
        if (At(i).control.id == id)
            return i;
    return -1;
}

bool DialogControlSet::IsRadio(int index) const
{
    return Valid(index) && At(index).control.kind == DialogControlKind::AutoRadioButton;
}

bool DialogControlSet::IsCheckBox(int index) const
{
    return Valid(index) && At(index).control.kind == DialogControlKind::AutoCheckBox;
}

bool DialogControlSet::IsPushButton(int index) const
{
    return Valid(index) && (At(index).control.kind == DialogControlKind::PushButton ||
                            At(index).control.kind == DialogControlKind::DefPushButton);
}

bool DialogControlSet::IsButton(int index) const
{
    return IsPushButton(index) || IsRadio(index) || IsCheckBox(index);
}

bool DialogControlSet::IsEnabled(int index) const
{
    return Valid(index) && !(At(index).control.style & WS_DISABLED);
}

bool DialogControlSet::HasTabStop(int index) const
{
    return Valid(index) && (At(index).control.style & WS_TABSTOP);
}

bool DialogControlSet::StartsGroup(int index) const
{
    return Valid(index) && (At(index).control.style & WS_GROUP);
}

void DialogControlSet::SetCheck(int index, int state)
{
    if (!IsRadio(index) && !IsCheckBox(index))
        return;
    // Two-state buttons show no third state: anything above checked reads as checked.
    DialogControlState& c = m_controls[static_cast<size_t>(index)];
    c.check = state < BST_UNCHECKED ? BST_UNCHECKED : (state > BST_CHECKED ? BST_CHECKED : state);
    if (IsRadio(index)) {
        if (c.check)
            c.control.style |= WS_TABSTOP;
        else
            c.control.style &= ~static_cast<DWORD>(WS_TABSTOP);
    }
}

int DialogControlSet::GetCheck(int index) const
{
    return IsRadio(index) || IsCheckBox(index) ? At(index).check : BST_UNCHECKED;
}

void DialogControlSet::ApplyClick(int index)
{
    if (IsCheckBox(index)) {
        SetCheck(index, GetCheck(index) ? BST_UNCHECKED : BST_CHECKED);
    } else if (IsRadio(index)) {
        const auto group = GroupOf(index);
        for (int i = group.first; i < group.second; ++i)
            if (i != index && IsRadio(i))
                SetCheck(i, BST_UNCHECKED);
        SetCheck(index, BST_CHECKED);
    }
}

std::pair<int, int> DialogControlSet::GroupOf(int index) const
{
    if (!Valid(index))
        return {0, 0};
    int first = index;
    while (first > 0 && !StartsGroup(first))
        --first;
    int end = index + 1;
    while (end < Count() && !StartsGroup(end))
        ++end;
    return {first, end};
}

int DialogControlSet::NextTabStop(int index, bool backwards) const
{
    const int n = Count();
    if (n == 0)
        return -1;
    int i = Valid(index) ? index : (backwards ? 0 : n - 1);
    for (int step = 0; step < n; ++step) {
        i = backwards ? (i + n - 1) % n : (i + 1) % n;
        if (HasTabStop(i) && IsEnabled(i))
            return i;
    }
    return -1;
}

int DialogControlSet::NextInGroup(int index, bool backwards) const
{
    if (!Valid(index))
        return index;
    const auto group = GroupOf(index);
    const int size = group.second - group.first;
    int i = index;
    for (int step = 1; step < size; ++step) {
        i = group.first + ((i - group.first) + (backwards ? size - 1 : 1)) % size;
        if (IsButton(i) && IsEnabled(i))
            return i;
    }
    return index;
}

int DialogControlSet::DefaultButton() const
{
    for (int i = 0; i < Count(); ++i)
        if (At(i).control.kind == DialogControlKind::DefPushButton)
            return i;
    return -1;
}

void DialogControlSet::SetText(int index, const std::string& text)
{
    if (Valid(index))
        m_controls[static_cast<size_t>(index)].control.text = text;
}
