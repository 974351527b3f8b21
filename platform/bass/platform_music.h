// Music hooks for programs and tests that run the BASS stand-in without a person: decoding in step
// with the virtual clock, and captures of what is played as WAV files.
#pragma once

#include <vector>

namespace platform {

// On the virtual clock (see platform_clock.h), decodes every playing module up to the clock's
// reading and calls the syncs of the rows passed, on the calling thread. The clock does this at
// every step by itself; the library's own calls (levels, positions, play, stop) do it too.
void AdvanceMusicToClock();

// True while the library is initialised and decodes its music in step with the platform clock rather
// than at a device's pace: on the virtual clock, and on a silent output (no sound card, or SDL's dummy
// driver, whose consumption drifts from real time), where a thread of its own keeps up with the clock.
bool MusicFollowsClock();

// Renders a module (Windows names work) from its start for seconds, or up to its end if that comes
// first, at 44100 Hz as 16-bit stereo into a WAV file. Needs no BASS_Init. False if the module
// cannot be read or the file written.
bool RenderMusicToWav(const char* module, const char* wavPath, double seconds);

// A sync effect as a module plays it from its start: when its row starts (to within 6 ms, never
// after it), where, and its value.
struct MusicSyncEvent {
    double seconds;
    int order;
    int row;
    int value;
};
// Decodes a module once without output and lists its sync effects in the order they are heard.
// False if the module cannot be read.
bool ScanMusicSyncs(const char* module, std::vector<MusicSyncEvent>& events);

// How long a module plays once from its start, in seconds; a negative value if it cannot be read.
double MusicLengthSeconds(const char* module);

// On the virtual clock: everything the library mixes from now on is also written to a WAV file at
// the output rate, across BASS_Free and BASS_Init, until StopMusicCapture.
bool StartMusicCapture(const char* wavPath);
bool StopMusicCapture();

}  // namespace platform
