// Scripted keys for unattended runs: moments at which keys go down or up, read from a text file
// before the run and fed, on the demo's clock, into the keyboard state the real keys fill.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SKeyEvent {
    double seconds;  // of the demo, as the driver's clock counts them
    uint8_t key;     // DirectInput scan code; 0 for the close box
    bool down;
    bool close = false;  // the output window's close box is clicked instead of a key
};

class CKeyScript {
public:
    // Lines of "SECONDS down KEY", "SECONDS up KEY" or "SECONDS close" (blank lines and lines
    // starting with # are skipped). False, with "line N: ..." in error, at the first line that is
    // not one of these; nothing is kept then.
    bool Parse(const std::string& text, std::string& error);
    // Parse on a file's contents; false with a reason when the file cannot be read.
    bool Load(const std::string& path, std::string& error);
    // Presses and releases every key whose moment has come by now, in time order (and in file
    // order for equal times), before a frame reads the keyboard. A key is held for at least one
    // frame: its release waits for the next call when it went down in this one. A close clicks the
    // close box of the screen's window and waits until the window has taken it (the window procedure
    // ran), so that the demo ends without drawing the frame it is due in, at every run.
    void Apply(double now);
    // The same while the demo loads, between the loading picture and the first frame: no frame reads
    // the keyboard after it, so the keys pressed here stay held into the first frame.
    void ApplyWhileLoading(double now);
    const std::vector<SKeyEvent>& Events() const { return m_events; }

private:
    void ApplyDue(double now);

    std::vector<SKeyEvent> m_events;
    size_t m_next = 0;
    bool m_pressedUnread[256] = {};  // went down since the keyboard was last read
};

// The scan code of a key named as DirectInput names it without its DIK_ prefix (LSHIFT, RCONTROL, 7,
// UP, F1, SPACE, ESCAPE ...), case-insensitively; 0 for a name that is not a key.
uint8_t KeyCodeByName(const std::string& name);
