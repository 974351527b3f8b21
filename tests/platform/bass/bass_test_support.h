// Shared pieces of the BASS stand-in's tests: the test module on disk, a recorder of sync calls and
// a fixture that runs the library on the virtual clock.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bass.h"
#include "platform_clock.h"
#include "xm_writer.h"

namespace basstest {

// A path in this test program's own temporary folder.
std::string TempPath(const std::string& leaf);
// Writes a song to the temporary folder and returns its path.
std::string WriteSong(const xmtest::Song& song, const std::string& leaf);

double ClockSeconds();

// A 16-bit PCM WAV file as read back: its header fields and interleaved samples.
struct Wav {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<int16_t> samples;
};
bool ReadWav(const std::string& path, Wav& wav);

struct SyncCall {
    HSYNC sync;
    DWORD channel;
    DWORD data;
    double seconds;  // platform clock at the call
};

struct SyncRecorder {
    std::vector<SyncCall> calls;
    static void CALLBACK Record(HSYNC sync, DWORD channel, DWORD data, void* user);
    std::vector<DWORD> Data() const;
};

// The library initialised on the virtual clock, freed after each test.
class VirtualClockTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Moves the clock forward by total seconds in steps, so the music is decoded bit by bit.
    void Advance(double total, double step = 0.002);
    HMUSIC LoadSyncSong(DWORD flags = 0);

    double startSeconds = 0;
};

}  // namespace basstest
