// Modules through the music player's Load, as the demo loads its music: libopenmpt parses the file
// and the library scans it for sync effects. A module that loads is played for a tenth of a second
// on the virtual clock, so its rows are rendered and their syncs called. A load that fails shows
// one "BASS Error" box naming an error the player knows; a load that works shows none, and the sync
// value the player answers is always one a sync effect can carry.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "audio/BassPlayer.h"
#include "memory_file.h"
#include "platform_clock.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

int boxes = 0;
bool knownError = false;

// The player's handle, read from outside.
class CInspectedPlayer : public CBassPlayer {
public:
    using CBassPlayer::m_hMusic;
};

constexpr int kSteps = 10;
constexpr double kStepSeconds = 0.01;

}  // namespace

// The player's error box, counted instead of shown.
int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT)
{
    ++boxes;
    knownError = std::strcmp(caption, "BASS Error") == 0 &&
                 (std::strcmp(text, "BASS_ERROR_FORMAT") == 0 || std::strcmp(text, "BASS_ERROR_MEM") == 0 ||
                  std::strcmp(text, "BASS_ERROR_FILEOPEN") == 0);
    return IDOK;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool clock = (platform::UseVirtualClock(0), platform::SetVirtualClockSeconds(1), true);
    (void)clock;
    const std::string& file = fuzz_input::Store(data, size);
    boxes = 0;
    CInspectedPlayer player;
    player.Init(nullptr);
    Require(boxes == 0);
    player.Load(file.c_str());
    const bool loaded = player.m_hMusic != 0;
    Require(loaded ? boxes == 0 : boxes == 1 && knownError);
    player.Play();
    for (int step = 0; step < kSteps; ++step) {
        platform::AdvanceVirtualClock(kStepSeconds);
        const int effect = player.GetEffect();
        Require(effect >= 0 && effect <= 255);
        int order = 0, row = 0, left = 0, right = 0;
        player.GetPosition(order, row);
        player.GetVolume(left, right);
        Require(left <= 32768 && right <= 32768);
        if (!loaded)
            Require(order == 0 && row == 0 && left == 0 && right == 0);
    }
    player.Stop();
    player.CleanUp();
    return 0;
}
