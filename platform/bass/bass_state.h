// The library's state, shared by the output (SDL's audio thread or the virtual clock) and the calls.
// One recursive mutex guards it all; sync callbacks run while it is held, so they may call the
// library themselves.
#pragma once

#include <SDL.h>

#include <condition_variable>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "bass.h"
#include "music_decoder.h"
#include "wav_writer.h"

namespace bass_detail {

struct Sync {
    HSYNC handle;
    DWORD type;  // with its flags
    QWORD param;
    SYNCPROC* proc;
    void* user;
};

// A sync that has happened and waits to be called.
struct FiredSync {
    HSYNC handle;
    HMUSIC channel;
    DWORD data;
};

struct Music {
    HMUSIC handle = 0;
    DWORD flags = 0;
    std::unique_ptr<MusicDecoder> decoder;
    bool playing = false;  // started and neither stopped, paused nor ended
    bool paused = false;   // by BASS_ChannelPause
    bool ended = false;
    QWORD bytePosition = 0;  // bytes rendered from the start
    int order = 0;           // position as rendered
    int row = 0;
    std::vector<Sync> syncs;
    DWORD level = 0;  // MAKELONG(left peak, right peak) of the last mixed block
    int peakLeft = 0;
    int peakRight = 0;
};



struct Library {
    // A program that ends without BASS_Free still ends the pacer first.
    ~Library();

    std::recursive_mutex mutex;
    bool initialised = false;
    bool outputStarted = false;  // BASS_Start, and not BASS_Stop or BASS_Pause since
    bool hasOutput = false;      // false for device 0, "no sound"
    // Decoding follows the platform clock, with no device taking the audio: on the virtual clock,
    // and on the system clock when there is no sound card or only SDL's dummy driver, whose pace
    // drifts from real time. On the system clock the pacer thread keeps the music up to the clock.
    bool followsClock = false;
    std::thread pacer;
    int pacerGeneration = 0;  // a pacer runs while this is what it started with
    std::condition_variable_any pacerWake;
    int freq = 44100;
    SDL_AudioDeviceID device = 0;
    std::map<DWORD, std::unique_ptr<Music>> musics;
    std::vector<FiredSync> heardNext;  // syncs of the buffer just mixed, called when it is heard
    // Virtual clock: frames rendered since originTicks.
    int64_t originTicks = 0;
    int64_t framesRendered = 0;
    int clockListener = -1;
    std::unique_ptr<WavWriter> capture;
};

Library& State();
void SetError(int code);
// A fresh handle, never 0 and not reused while the program runs.
DWORD NewHandle();
// The module of a handle, or null with BASS_ERROR_HANDLE.
Music* FindMusic(Library& library, DWORD handle);

// Mixes frames of every playing module into out (16-bit stereo, added with saturation) and handles
// the syncs that happen. callHeardLater: syncs go to heardNext instead of being called now
// (except those flagged BASS_SYNC_MIXTIME).
void MixBlock(Library& library, int16_t* out, size_t frames, bool callHeardLater);
// Calls the given syncs, skipping those removed meanwhile.
void CallSyncs(Library& library, const std::vector<FiredSync>& fired);
// When the music follows the clock: renders up to the clock's reading.
void CatchUpWithClock(Library& library);

}  // namespace bass_detail
