// Runs the demo headless for tests: on the virtual clock with the music decoded in step, fed by a small
// module that carries the sync values a test needs at chosen rows, with a recorder watching each frame.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "DemoDriver.h"
#include "DemoParts.h"
#include "screen_run.h"

// A module of one pattern: sync values at rows (a row lasts 0.12 s), silent otherwise.
std::string WriteSyncModule(const std::string& name, int rows, const std::vector<std::pair<int, int>>& rowValues);

// One frame as the recorder saw it after it was presented.
struct SFrameRecord {
    SDriverState state;
    SScratch scratch;
};

class CDemoRecorder : public IDemoObserver {
public:
    int maxFrames = 60;  // the loop is left after this many frames
    // Called before the keyboard is read in frame `frame` (0 first): scripted keys go in here.
    std::function<void(int frame)> beforeFrame;
    // Called after frame `frame` was presented, with the whole demo.
    std::function<void(SDemo& demo, int frame)> afterFrame;
    std::function<void(SDemo& demo)> atEnd;

    std::vector<SFrameRecord> frames;
    int registeredAtLoopStart = -1;
    int registeredAtEnd = -1;
    bool ended = false;

    void OnLoopStarting(const SDriverState& state) override;
    void OnFrameStarting(const SDriverState& state) override;
    bool OnFramePresented(SDemo& demo) override;
    void OnEnded(SDemo& demo) override;
};

struct SMessageBox {
    std::string caption, text;
};

struct SDemoRunSettings {
    double fps = 60;
    std::string dataRoot;  // the folder holding Data; empty: the build folder
    float startSeconds = 0;  // seeking, as the driver's configuration has it
    int startPart = 0;
    CKeyScript* keyScript = nullptr;
    ScreenSettings screen;  // the mode and size of the screen
};

// Plays the demo with music (a file path) until the recorder leaves the loop or Escape; returns the
// message boxes shown. The clock is the system's again afterwards.
std::vector<SMessageBox> RunDemo(const std::string& music, CDemoRecorder& recorder,
                                 const SDemoRunSettings& settings = SDemoRunSettings());

// Holds exactly the given DirectInput keys (every other key released).
void HoldKeys(const std::vector<unsigned char>& keys);

// The last presented picture, A8R8G8B8 rows top first (read on the render thread).
std::vector<DWORD> FrontBuffer();
// True when every pixel of the picture has the same colour.
bool IsUniform(const std::vector<DWORD>& picture);
// Indexes of the first count letters of text that the demo's bitmap font has no glyph for (a space
// draws blank and counts as covered; a null does not).
std::vector<int> LettersWithoutGlyph(const std::string& text, int count);
// The DirectInput keys of the hidden part's combination.
std::vector<unsigned char> HiddenPartKeys();
// A per-process file name in the temporary folder.
std::string TempName(const std::string& leaf);

// The program itself, run headless with its stderr kept (message boxes land there without a display).
struct SProgramRun {
    int status = -1;
    std::string errors;
};
// Runs farreach headless with args; before it, a shell prefix ("cd DIR &&", "VAR=value") where one is
// given.
SProgramRun RunFarreach(const std::string& args, const std::string& before = "");
