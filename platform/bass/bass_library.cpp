// The library as a whole: initialisation, the output device, start and stop, errors.
#include <chrono>
#include <cstring>

#include "bass_state.h"
#include "platform_clock.h"
#include "platform_music.h"

namespace bass_detail {

namespace {

thread_local int lastError = BASS_OK;

// Whether SDL's audio subsystem is up, so it is taken down once.
bool audioSubsystem = false;

constexpr int kDeviceBufferFrames = 1024;
// How often the pacer of a silent output renders up to the clock: syncs arrive at most this late.
constexpr int kPacerPeriodMs = 4;
constexpr DWORD kMinFreq = 8000;
constexpr DWORD kMaxFreq = 192000;

BOOL Succeed()
{
    SetError(BASS_OK);
    return TRUE;
}

BOOL Fail(int code)
{
    SetError(code);
    return FALSE;
}

// SDL's audio thread. The syncs of the previous buffer are called first: that buffer is what the
// device plays now.
void AudioCallback(void*, Uint8* stream, int length)
{
    memset(stream, 0, static_cast<size_t>(length));
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    if (!library.initialised)
        return;
    std::vector<FiredSync> heard;
    heard.swap(library.heardNext);
    CallSyncs(library, heard);
    if (library.initialised && library.outputStarted)
        MixBlock(library, reinterpret_cast<int16_t*>(stream), static_cast<size_t>(length) / 4, true);
}

SDL_AudioDeviceID OpenDevice(const char* name, int freq)
{
    SDL_AudioSpec wanted;
    SDL_zero(wanted);
    wanted.freq = freq;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = AudioCallback;
    SDL_AudioSpec obtained;
    // No changes allowed: SDL converts to whatever the hardware wants.
    return SDL_OpenAudioDevice(name, 0, &wanted, &obtained, 0);
}

void CloseAudioSystem()
{
    if (audioSubsystem)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioSubsystem = false;
}

bool IsDummyDriver()
{
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver && strcmp(driver, "dummy") == 0;
}

// device: -1 or 1 the default output, 2 and up SDL's outputs in order. Answers the device, or 0 with
// silent set when the default output has no sound card behind it (none opens, or SDL runs its dummy
// driver): the music then follows the platform clock instead of a device's consumption.
SDL_AudioDeviceID OpenOutput(int device, int freq, bool& silent, int& error)
{
    const bool wantsDefault = device == -1 || device == 1;
    silent = false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        audioSubsystem = true;
        const char* name = nullptr;
        if (!wantsDefault) {
            if (device - 2 >= SDL_GetNumAudioDevices(0)) {
                CloseAudioSystem();
                error = BASS_ERROR_DEVICE;
                return 0;
            }
            name = SDL_GetAudioDeviceName(device - 2, 0);
        }
        if (!IsDummyDriver())
            if (SDL_AudioDeviceID id = OpenDevice(name, freq))
                return id;
        CloseAudioSystem();
        if (!wantsDefault) {
            error = BASS_ERROR_DRIVER;
            return 0;
        }
    }
    // No sound card: a silent output that still plays in real time, so modules play and their syncs
    // fire on time.
    silent = true;
    return 0;
}

// The pacer thread of a silent output on the system clock: renders up to the clock every few
// milliseconds, calling the syncs as their rows are reached, until BASS_Free.
void PaceByClock(int generation)
{
    Library& library = State();
    std::unique_lock<std::recursive_mutex> lock(library.mutex);
    while (library.pacerGeneration == generation) {
        CatchUpWithClock(library);
        library.pacerWake.wait_for(lock, std::chrono::milliseconds(kPacerPeriodMs));
    }
    lock.unlock();
    // The syncs called here may have used SDL, which keeps per-thread blocks it frees only for its
    // own threads.
    SDL_TLSCleanup();
}

// Ends the pacer; called without the lock, which the pacer needs to finish. A sync callback that
// frees the library runs on the pacer itself, which then ends on its own.
void StopPacer(std::thread& pacer)
{
    if (!pacer.joinable())
        return;
    if (pacer.get_id() == std::this_thread::get_id())
        pacer.detach();
    else
        pacer.join();
}

void ListenToClockOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { platform::AddClockListener([] { platform::AdvanceMusicToClock(); }); });
}

}  // namespace

Library::~Library()
{
    {
        std::lock_guard<std::recursive_mutex> lock(mutex);
        ++pacerGeneration;
        pacerWake.notify_all();
    }
    StopPacer(pacer);
}

Library& State()
{
    static Library library;
    return library;
}

void SetError(int code) { lastError = code; }

DWORD NewHandle()
{
    static DWORD next = 0x10000;
    if (++next == 0)
        next = 0x10000;
    return next;
}

Music* FindMusic(Library& library, DWORD handle)
{
    auto found = library.musics.find(handle);
    if (found == library.musics.end()) {
        SetError(BASS_ERROR_HANDLE);
        return nullptr;
    }
    return found->second.get();
}

}  // namespace bass_detail

using namespace bass_detail;

BOOL BASS_Init(int device, DWORD freq, DWORD flags, HWND win, const void* dsguid)
{
    Library& library = State();
    std::unique_lock<std::recursive_mutex> lock(library.mutex);
    if (library.initialised)
        return Fail(BASS_ERROR_ALREADY);
    if (device < -1)
        return Fail(BASS_ERROR_DEVICE);
    if (freq == 0)
        freq = 44100;
    if (freq < kMinFreq || freq > kMaxFreq)
        return Fail(BASS_ERROR_FORMAT);
    const bool virtualClock = platform::IsVirtualClock();
    const bool hasOutput = device != 0;
    SDL_AudioDeviceID id = 0;
    bool silent = virtualClock;
    if (hasOutput && !virtualClock) {
        // The device opens paused: its callback cannot run, and wait for the lock, yet.
        int error = BASS_OK;
        id = OpenOutput(device, static_cast<int>(freq), silent, error);
        if (!id && !silent)
            return Fail(error);
    }
    library.freq = static_cast<int>(freq);
    library.followsClock = silent;
    library.hasOutput = hasOutput;
    library.device = id;
    library.outputStarted = true;  // the output runs from the start, as BASS_Init leaves it
    library.originTicks = platform::ClockTicks();
    library.framesRendered = 0;
    library.heardNext.clear();
    library.initialised = true;
    if (virtualClock)
        ListenToClockOnce();
    else if (silent && hasOutput)
        library.pacer = std::thread(PaceByClock, library.pacerGeneration);
    lock.unlock();
    if (id)
        SDL_PauseAudioDevice(id, 0);
    return Succeed();
}

BOOL BASS_Free()
{
    Library& library = State();
    std::map<DWORD, std::unique_ptr<Music>> musics;
    SDL_AudioDeviceID id = 0;
    std::thread pacer;
    {
        std::lock_guard<std::recursive_mutex> lock(library.mutex);
        if (!library.initialised)
            return Fail(BASS_ERROR_INIT);
        library.initialised = false;
        library.outputStarted = false;
        musics.swap(library.musics);
        library.heardNext.clear();
        id = library.device;
        library.device = 0;
        ++library.pacerGeneration;
        library.pacerWake.notify_all();
        pacer.swap(library.pacer);
    }
    // Closing waits for the audio thread or the pacer, which may be waiting for the lock: close
    // without it.
    StopPacer(pacer);
    if (id) {
        SDL_CloseAudioDevice(id);
        CloseAudioSystem();
    }
    return Succeed();
}

BOOL BASS_Start()
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    if (!library.initialised)
        return Fail(BASS_ERROR_INIT);
    if (!library.outputStarted) {
        library.outputStarted = true;
        // The clock's time while the output was stopped is not played.
        library.originTicks = platform::ClockTicks();
        library.framesRendered = 0;
    }
    return Succeed();
}

// Stops the output; with pause the playing modules resume at BASS_Start, without it they stop.
static BOOL StopOutput(bool pause)
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    if (!library.initialised)
        return Fail(BASS_ERROR_INIT);
    CatchUpWithClock(library);
    library.outputStarted = false;
    if (!pause)
        for (auto& entry : library.musics)
            entry.second->playing = false;
    return Succeed();
}

BOOL BASS_Stop() { return StopOutput(false); }

BOOL BASS_Pause() { return StopOutput(true); }

int BASS_ErrorGetCode() { return lastError; }

DWORD BASS_GetVersion() { return 0x02040000; }

void platform::AdvanceMusicToClock()
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    CatchUpWithClock(library);
}

bool platform::MusicFollowsClock()
{
    Library& library = State();
    std::lock_guard<std::recursive_mutex> lock(library.mutex);
    return library.initialised && library.followsClock;
}
