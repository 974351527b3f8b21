// Scripted keys for unattended runs: moments at which keys go down or up, read from a text file
// before the run and fed, on the demo's clock, into the keyboard state the real keys fill.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SKeyEvent {
    double seconds;  // of the demo, as the driver's clock counts them
    uint8_t key;     // DirectInput scan code
    bool down;
};

class CKeyScript {
public:
    // Lines of "SECONDS down KEY" or "SECONDS up KEY" (blank lines and lines starting with # are
    // skipped). False, with "line N: ..." in error, at the first line that is not one of these;
    // nothing is kept then.
    bool Parse(const std::string& text, std::string& error);
    // Parse on a file's contents; false with a reason when the file cannot be read.
    bool Load(const std::string& path, std::string& error);
    // Presses and releases every key whose moment has come by now, in time order (and in file
    // order for equal times). A key is held for at least one frame: its release waits for the next
    // call when it went down in this one.
    void Apply(double now);
    const std::vector<SKeyEvent>& Events() const { return m_events; }

private:
    std::vector<SKeyEvent> m_events;
    size_t m_next = 0;
};

// The scan code of a key named as DirectInput names it without its DIK_ prefix (LSHIFT, RCONTROL, 7,
// UP, F1, SPACE, ESCAPE ...), case-insensitively; 0 for a name that is not a key.
uint8_t KeyCodeByName(const std::string& name);
