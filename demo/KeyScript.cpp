#include "KeyScript.h"

#include <dinput.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>

#include "platform_hooks.h"
#include "screen/Screen.h"

namespace {

struct SKeyName {
    const char* name;
    uint8_t code;
};

const SKeyName kKeyNames[] = {
    {"ESCAPE", DIK_ESCAPE}, {"1", DIK_1}, {"2", DIK_2}, {"3", DIK_3}, {"4", DIK_4}, {"5", DIK_5}, {"6", DIK_6},
    {"7", DIK_7}, {"8", DIK_8}, {"9", DIK_9}, {"0", DIK_0}, {"MINUS", DIK_MINUS}, {"EQUALS", DIK_EQUALS},
    {"BACK", DIK_BACK}, {"TAB", DIK_TAB}, {"Q", DIK_Q}, {"W", DIK_W}, {"E", DIK_E}, {"R", DIK_R}, {"T", DIK_T},
    {"Y", DIK_Y}, {"U", DIK_U}, {"I", DIK_I}, {"O", DIK_O}, {"P", DIK_P}, {"LBRACKET", DIK_LBRACKET},
    {"RBRACKET", DIK_RBRACKET}, {"RETURN", DIK_RETURN}, {"LCONTROL", DIK_LCONTROL}, {"A", DIK_A}, {"S", DIK_S},
    {"D", DIK_D}, {"F", DIK_F}, {"G", DIK_G}, {"H", DIK_H}, {"J", DIK_J}, {"K", DIK_K}, {"L", DIK_L},
    {"SEMICOLON", DIK_SEMICOLON}, {"APOSTROPHE", DIK_APOSTROPHE}, {"GRAVE", DIK_GRAVE}, {"LSHIFT", DIK_LSHIFT},
    {"BACKSLASH", DIK_BACKSLASH}, {"Z", DIK_Z}, {"X", DIK_X}, {"C", DIK_C}, {"V", DIK_V}, {"B", DIK_B},
    {"N", DIK_N}, {"M", DIK_M}, {"COMMA", DIK_COMMA}, {"PERIOD", DIK_PERIOD}, {"SLASH", DIK_SLASH},
    {"RSHIFT", DIK_RSHIFT}, {"MULTIPLY", DIK_MULTIPLY}, {"LMENU", DIK_LMENU}, {"SPACE", DIK_SPACE},
    {"CAPITAL", DIK_CAPITAL}, {"F1", DIK_F1}, {"F2", DIK_F2}, {"F3", DIK_F3}, {"F4", DIK_F4}, {"F5", DIK_F5},
    {"F6", DIK_F6}, {"F7", DIK_F7}, {"F8", DIK_F8}, {"F9", DIK_F9}, {"F10", DIK_F10}, {"NUMLOCK", DIK_NUMLOCK},
    {"SCROLL", DIK_SCROLL}, {"NUMPAD7", DIK_NUMPAD7}, {"NUMPAD8", DIK_NUMPAD8}, {"NUMPAD9", DIK_NUMPAD9},
    {"SUBTRACT", DIK_SUBTRACT}, {"NUMPAD4", DIK_NUMPAD4}, {"NUMPAD5", DIK_NUMPAD5}, {"NUMPAD6", DIK_NUMPAD6},
    {"ADD", DIK_ADD}, {"NUMPAD1", DIK_NUMPAD1}, {"NUMPAD2", DIK_NUMPAD2}, {"NUMPAD3", DIK_NUMPAD3},
    {"NUMPAD0", DIK_NUMPAD0}, {"DECIMAL", DIK_DECIMAL}, {"F11", DIK_F11}, {"F12", DIK_F12},
    {"NUMPADENTER", DIK_NUMPADENTER}, {"RCONTROL", DIK_RCONTROL}, {"DIVIDE", DIK_DIVIDE}, {"RMENU", DIK_RMENU},
    {"HOME", DIK_HOME}, {"UP", DIK_UP}, {"PRIOR", DIK_PRIOR}, {"LEFT", DIK_LEFT}, {"RIGHT", DIK_RIGHT},
    {"END", DIK_END}, {"DOWN", DIK_DOWN}, {"NEXT", DIK_NEXT}, {"INSERT", DIK_INSERT}, {"DELETE", DIK_DELETE},
    {"LWIN", DIK_LWIN}, {"RWIN", DIK_RWIN},
};

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// One line's event; false with the reason when the line is not "SECONDS down|up KEY".
bool ParseLine(const std::string& line, SKeyEvent& event, std::string& reason)
{
    std::istringstream words(line);
    std::string seconds, action, key, extra;
    words >> seconds >> action >> key;
    const bool close = action == "close";
    if ((close ? !key.empty() : key.empty()) || (words >> extra)) {
        reason = "expected \"SECONDS down KEY\", \"SECONDS up KEY\" or \"SECONDS close\"";
        return false;
    }
    char* end = nullptr;
    event.seconds = std::strtod(seconds.c_str(), &end);
    if (end == seconds.c_str() || *end != '\0' || !std::isfinite(event.seconds) || event.seconds < 0) {
        reason = "'" + seconds + "' is not a time in seconds (a number from 0 up)";
        return false;
    }
    if (close) {
        event.close = true;
        event.key = 0;
        event.down = false;
        return true;
    }
    if (action != "down" && action != "up") {
        reason = "'" + action + "' is not down, up or close";
        return false;
    }
    event.down = action == "down";
    event.key = KeyCodeByName(key);
    if (event.key == 0) {
        reason = "'" + key + "' is not a key name";
        return false;
    }
    return true;
}

bool SkippedLine(const std::string& line)
{
    const size_t first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

// The screen window's close box, clicked as a person would. The click reaches the window through the
// message pump on the other thread; waiting for it here (with a limit, for a pump that no longer runs)
// makes the frame in which the window closes the same at every run.
void ClickCloseBox()
{
    HWND window = CScreen::Instance().GetHWnd();
    if (!window || !IsWindow(window))
        return;
    platform::PressCloseBox(window);
    for (int waited = 0; waited < 5000 && IsWindow(window); ++waited)
        Sleep(1);
}

}  // namespace

uint8_t KeyCodeByName(const std::string& name)
{
    const std::string wanted = Upper(name);
    for (const SKeyName& key : kKeyNames)
        if (wanted == key.name)
            return key.code;
    return 0;
}

bool CKeyScript::Parse(const std::string& text, std::string& error)
{
    std::vector<SKeyEvent> events;
    std::istringstream lines(text);
    std::string line, reason;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (SkippedLine(line))
            continue;
        SKeyEvent event{};
        if (!ParseLine(line, event, reason)) {
            error = "line " + std::to_string(number) + ": " + reason;
            return false;
        }
        events.push_back(event);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const SKeyEvent& a, const SKeyEvent& b) { return a.seconds < b.seconds; });
    m_events = std::move(events);
    m_next = 0;
    return true;
}

bool CKeyScript::Load(const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read the input script " + path;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (Parse(text.str(), error))
        return true;
    error = path + ": " + error;
    return false;
}

void CKeyScript::Apply(double now)
{
    ApplyDue(now);
    // The frame reads the keyboard next: from then on the keys pressed so far may be released.
    std::fill(std::begin(m_pressedUnread), std::end(m_pressedUnread), false);
}

void CKeyScript::ApplyWhileLoading(double now) { ApplyDue(now); }

void CKeyScript::ApplyDue(double now)
{
    // Times are compared as the demo's clock holds them (in single precision), so that a key set
    // for 331.4 s goes down on the frame whose clock reads 331.4. A key that goes down is released
    // no earlier than the next frame, so that every press is seen at least once; the events after
    // such a release wait with it, to keep their order.
    for (; m_next < m_events.size(); ++m_next) {
        const SKeyEvent& event = m_events[m_next];
        if (static_cast<float>(event.seconds) > static_cast<float>(now) ||
            (!event.close && !event.down && m_pressedUnread[event.key]))
            break;
        if (event.close) {
            ClickCloseBox();
            continue;
        }
        m_pressedUnread[event.key] = m_pressedUnread[event.key] || event.down;
        platform::SetKeyHeld(event.key, event.down);
    }
}
